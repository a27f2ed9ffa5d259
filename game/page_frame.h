#pragma once

// Where a picture stands on screen, the numbers the game and the picture
// builders share. A picture root lies turned by -90 degrees about x; its
// regions stand in a container that turns back by 90 degrees and stands at
// (container_x, container_y, container_z) in the root's frame, so that a
// container point (x, y, z) is root point (x + container_x, -z + container_y,
// y + container_z). The container's point (centre_x, centre_y, 0) is the
// middle of the screen, eye_distance ahead of the eye.
namespace page_frame {

constexpr double container_x = -11.716, container_y = -51.121, container_z = -14.607;
constexpr double centre_x = -container_x, centre_y = -container_z;
constexpr double eye_distance = 48.879;

}  // namespace page_frame
