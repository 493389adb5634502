#pragma once

namespace omaha {

// Deterministic noise for the procedural card backs: the same point and seed always give the
// same value, so the backs look the same at every start and at every device pixel ratio.

// A pseudo-random value in [0, 1) for one lattice point.
double latticeHash(int x, int y, int seed);

// Smoothly interpolated lattice noise in [0, 1); one lattice cell per unit of x and y.
double valueNoise(double x, double y, int seed);

// Sum of `octaves` layers of value noise, each twice as fine and half as strong; in [0, 1).
double fractalNoise(double x, double y, int octaves, int seed);

// Cellular noise: distances from (x, y) to the nearest and second-nearest of one random point
// per unit cell.
struct CellDistances {
    double nearest = 0;
    double second = 0;
};
CellDistances cellNoise(double x, double y, int seed);

} // namespace omaha
