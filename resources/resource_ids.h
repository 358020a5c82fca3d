#pragma once
#define kProgramIconName "DEFAULT_ICON"
