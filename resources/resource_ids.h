/* The names under which the program finds its own resources. Shared by orvenal.rc and the
   C++ code, so it holds preprocessor definitions only: the resource compiler reads it too. */
#ifndef ORVENAL_RESOURCES_RESOURCE_IDS_H_
#define ORVENAL_RESOURCES_RESOURCE_IDS_H_

/* The icon group used for the big and the small window icon. */
#define ORVENAL_ICON_NAME "DEFAULT_ICON"

/* The pointing hand that the hyperlink control uses as its class cursor. */
#define ORVENAL_HAND_CURSOR_ID 1032

#endif
