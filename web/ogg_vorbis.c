/* The page's own Ogg Vorbis decoder, for browsers that decode none
   (src/platform/web/web_sound_board.cpp): Debian's stb_vorbis, compiled whole. */
#include "stb_vorbis.h"
