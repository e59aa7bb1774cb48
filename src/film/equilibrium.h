#pragma once

#include "film/film_fault.h"
#include "film/reynolds_solver.h"

namespace trb::film {

// The largest relative eccentricity a film result is given for: closer to the wall the pressure peak
// is narrower than the default grid resolves to the accuracy the results claim.
inline constexpr double kMaxEccentricity = 0.98;

// The journal position whose film force balances the load So acting along x: f(X, Y) + (So, 0) = 0.
//
// First a search along the radius (the eccentricity through ε = 1/(1 + e^−s), so it stays inside the
// bore) turns the journal until the film force points against the load and brings |f| near So; then
// Newton's method on (X, Y) with the film's own stiffness ∂f/∂(X, Y) (the linearised film with the
// cavitated zone held, see ReynoldsSolver::Derivatives), each step shortened until it stays inside the
// bore and lowers the force error. A film whose start line sits at the widest gap turns with the
// journal, so there the radial search alone is exact and is carried to the end.
//
// Starts from eccentricity `eps` at angle `angle`; leaves the solver solved at the equilibrium. `steps`
// receives the number of film solves.
FilmFault Balance(ReynoldsSolver& solver, double so, double eps, double angle, const Progress& progress = {},
                  int* steps = nullptr);

}  // namespace trb::film
