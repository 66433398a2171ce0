#pragma once
// Real roots of a cubic equation c3 z^3 + c2 z^2 + c1 z + c0 = 0.

// Returns the number of real roots (0, 1 or 3), also stored in count; the roots go to z1, z2,
// z3 (unused ones are 0). A leading coefficient of 0 or an arithmetic failure gives 0 roots.
int SolveCubic(double c3, double c2, double c1, double c0, int& count, double& z1, double& z2,
               double& z3);
