#pragma once

// Requests to show another picture; the scene loader carries them out.
void goto_page(int n);  // picture n (1 to 20, or one of the child's own); any other number does nothing
void next_page();       // the right arrow: the last picture is followed by 1
void prev_page();       // the left arrow: 1 is preceded by the last picture
void default_page();
// The picture after `picture` in the arrows' order, for one whose archive
// turned out to be gone when it was to be built.
void goto_page_after(int picture);    // the picture on screen again (else picture 1), in the variant `detailed` selects
