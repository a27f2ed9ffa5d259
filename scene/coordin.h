#pragma once

// The local transform of a scene object: a position, three rotation angles in
// degrees (applied about x, then y, then z after the translation) and three
// scale factors. Scale is applied separately, only once something scaled it.
class Coordin {
public:
    bool scaled = false;
    double pos_x = 0.0, pos_y = 0.0, pos_z = 0.0;
    double rot_x = 0.0, rot_y = 0.0, rot_z = 0.0;
    double scale_x = 1.0, scale_y = 1.0, scale_z = 1.0;

    Coordin() = default;

    void empty();
    void chposition(double x, double y, double z);
    void addposition(double x, double y, double z);
    void chrot(double x, double y, double z);
    void addrot(double x, double y, double z);
    void chscale(double x, double y, double z);
    void addscale(double x, double y, double z);
    bool scale_flag() const { return scaled; }

    void move() const;
    void move_position() const;
    void move_rot() const;
    void scale() const;
};
