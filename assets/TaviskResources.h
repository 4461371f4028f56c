// Resource ids of the registry browser library; plain defines so the resource script reads them too.
#ifndef TAVISK_RESOURCES_H
#define TAVISK_RESOURCES_H

#define IDI_TAVISK 100          /* window icon: 32 x 32 and 16 x 16 */

#define IDB_TREEVIEW 110        /* strip of 19 images of 16 x 16, fuchsia ground */
#define IDB_BUTTONS 111         /* strip of 2 images of 32 x 16: normal and greyed glyph side by side */

#define IDB_GLYPH_REFRESH 120   /* 16 x 16 toolbar glyphs, fuchsia ground */
#define IDB_GLYPH_ADDGUID 121
#define IDB_GLYPH_UPDATE 122
#define IDB_GLYPH_CANCEL 123

#endif
