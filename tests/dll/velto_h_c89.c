/* velto.h compiles as strict C89 (built, never run). */
#include "velto.h"

int velto_h_compiles_as_c89(void) { return VELTO_TRUE; }
