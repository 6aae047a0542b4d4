// AstroModule: solar eclipse prediction (free functions, no state).
#pragma once
