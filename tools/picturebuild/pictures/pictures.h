#pragma once

#include "../scene.h"

// The artwork of the twenty pictures. Each draws its scene into `s`; the
// detailed variant is the same scene with more, smaller parts.
void picture01(Scene& s, bool detailed);
void picture02(Scene& s, bool detailed);
void picture03(Scene& s, bool detailed);
void picture04(Scene& s, bool detailed);
void picture05(Scene& s, bool detailed);
void picture06(Scene& s, bool detailed);
void picture07(Scene& s, bool detailed);
void picture08(Scene& s, bool detailed);
void picture09(Scene& s, bool detailed);
void picture10(Scene& s, bool detailed);
void picture11(Scene& s, bool detailed);
void picture12(Scene& s, bool detailed);
void picture13(Scene& s, bool detailed);
void picture14(Scene& s, bool detailed);
void picture15(Scene& s, bool detailed);
void picture16(Scene& s, bool detailed);
void picture17(Scene& s, bool detailed);
void picture18(Scene& s, bool detailed);
void picture19(Scene& s, bool detailed);
void picture20(Scene& s, bool detailed);

// Picture `number` (1 to 20); false when it has no artwork yet.
bool draw_picture(int number, bool detailed, Scene& s);
