// Resource ids of the skin kit's test program; the pictures keep the program's own ids.
#pragma once

#define IDD_SKINNED_TEST 300
#define IDB_DEEP_PICTURE 301
