// Resource ids of the updater program; plain defines so the resource script reads them too.
#ifndef NEBROK_RESOURCES_H
#define NEBROK_RESOURCES_H

#define IDI_NEBROK 200          /* program icon: 32 x 32 and 16 x 16 */

#define IDB_SIDEPICTURE 210     /* 115 x 229, 24-bit */

#endif
