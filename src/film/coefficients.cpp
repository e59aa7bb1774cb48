#include "film/coefficients.h"

#include <Eigen/Eigenvalues>
#include <cmath>

namespace trb::film {

namespace {

// Rᵀ J R for the rotation R whose first column is the load direction.
Matrix2 IntoLoadFrame(const Matrix2& j, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double r[2][2] = {{c, -s}, {s, c}};
    Matrix2 out{};
    for (int a = 0; a < 2; ++a) {
        for (int b = 0; b < 2; ++b) {
            double sum = 0;
            for (int k = 0; k < 2; ++k) {
                for (int l = 0; l < 2; ++l)
                    sum += r[k][a] * j[static_cast<std::size_t>(k)][static_cast<std::size_t>(l)] * r[l][b];
            }
            out[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = sum;
        }
    }
    return out;
}

}  // namespace

DynamicCoefficients Coefficients(ReynoldsSolver& solver) {
    const Force2 f = solver.Force();
    const double load = std::hypot(f.x, f.y);
    const double angle = std::atan2(-f.y, -f.x);
    const ForceDerivatives d = solver.Derivatives(true);
    DynamicCoefficients c;
    c.stiffness = IntoLoadFrame(d.position, angle);
    c.damping = IntoLoadFrame(d.velocity, angle);
    for (auto& row : c.stiffness) {
        for (double& v : row) v = -v / load;
    }
    for (auto& row : c.damping) {
        for (double& v : row) v = -v / load;
    }
    return c;
}

Stability LundStability(const DynamicCoefficients& c) {
    const Matrix2& k = c.stiffness;
    const Matrix2& b = c.damping;
    Stability s;
    const double trace = b[0][0] + b[1][1];
    const double det = b[0][0] * b[1][1] - b[0][1] * b[1][0];
    if (!(trace > 0) || !(det > 0)) return s;
    const double keq =
        (k[0][0] * b[1][1] + k[1][1] * b[0][0] - k[0][1] * b[1][0] - k[1][0] * b[0][1]) / trace;
    const double gamma2 = ((k[0][0] - keq) * (k[1][1] - keq) - k[0][1] * k[1][0]) / det;
    if (!(keq > 0) || !(gamma2 > 0)) return s;
    s.threshold = true;
    s.whirlRatio = std::sqrt(gamma2);
    s.criticalMass = keq / gamma2;
    return s;
}

bool StableAt(const DynamicCoefficients& c, double massParameter) {
    // First-order form of M̄ X'' = −B̄ X' − K̄ X.
    Eigen::Matrix4d a = Eigen::Matrix4d::Zero();
    a(0, 2) = 1;
    a(1, 3) = 1;
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            a(2 + i, j) =
                -c.stiffness[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] / massParameter;
            a(2 + i, 2 + j) =
                -c.damping[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] / massParameter;
        }
    }
    const Eigen::EigenSolver<Eigen::Matrix4d> eigen(a, false);
    for (int i = 0; i < 4; ++i) {
        if (!(eigen.eigenvalues()[i].real() < 0)) return false;
    }
    return true;
}

}  // namespace trb::film
