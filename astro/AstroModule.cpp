#include "astro/AstroModule.h"
