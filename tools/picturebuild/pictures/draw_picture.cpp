#include "pictures.h"

bool draw_picture(int number, bool detailed, Scene& s) {
    static void (*const pictures[20])(Scene&, bool) = {
        picture01, picture02, picture03, picture04, picture05, picture06, picture07, picture08, picture09, picture10,
        picture11, picture12, picture13, picture14, picture15, picture16, picture17, picture18, picture19, picture20};
    if (number < 1 || number > 20) return false;
    pictures[number - 1](s, detailed);
    return !s.shapes.empty();
}
