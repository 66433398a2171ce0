// Bracketing root finder of the fluid solvers: each pass bisects, tries an inverse quadratic
// interpolation (a secant when two values coincide) and a doubled Newton step from it, and keeps
// the smallest bracket with a sign change.
#include <cmath>
#include <utility>

#include "HelmholzFluidObject.h"
#include "KX_FloatingPoint.h"
#include "KX_Function_Types.h"

namespace {

void Fail(int32_t code, const char* message, std::string& ErrorText, int32_t& ErrorCode) {
    ErrorText = std::string("KX_D2Solver; ") + message;
    ErrorCode = code;
}

}  // namespace

double D2Solver(const THelmholzFluid& fluid, TD2Function f, double x1, double y, double xA,
                double xB, double fA, double fB, double tol, std::string& ErrorText,
                int32_t& ErrorCode) {
    ErrorText.clear();
    ErrorCode = KXErrorCode::Success;
    TFloatingPointScope scope;
    // A non-finite function value (an argument outside the function's domain, or a failed inner
    // solution) stops the search at once.
    bool faulted = false;
    auto g = [&](double x) {
        const double value = (fluid.*f)(x1, x) - y;
        if (!std::isfinite(value)) faulted = true;
        return value;
    };
    auto unknown = [&]() {
        Fail(KXErrorCode::Failure, "Unknown error.", ErrorText, ErrorCode);
        return 0.0;
    };

    if (xA > xB) {
        std::swap(xA, xB);
        std::swap(fA, fB);
    }
    if (fA == 0.0 && fB == 0.0) {
        fA = (fluid.*f)(x1, xA);
        fB = (fluid.*f)(x1, xB);
    }
    double gA = fA - y;
    double gB = fB - y;
    if (!std::isfinite(gA) || !std::isfinite(gB) || !std::isfinite(xA) || !std::isfinite(xB) ||
        !std::isfinite(tol))
        return unknown();
    if (gA * gB > 0.0) {
        Fail(KXErrorCode::NoSignChange, "No root possible.", ErrorText, ErrorCode);
        return 0.0;
    }
    if (xA == xB) {
        Fail(KXErrorCode::EmptyBracket, "No interval specified.", ErrorText, ErrorCode);
        return 0.0;
    }

    int pass = 0;
    while (std::fabs(xB - xA) > tol && pass <= KXRootFinderMaxPasses) {
        ++pass;
        const double xM0 = 0.5 * (xA + xB);
        const double gM0 = g(xM0);
        if (faulted) return unknown();
        if (gM0 == 0.0) return xM0;

        double xQ;
        double v;
        if (gA == gM0 || gB == gM0) {
            xQ = xB - (xB - xA) * gB / (gB - gA);
            v = (xB - xA) / (gB - gA);
        } else {
            const double dAB = gA - gB;
            const double dAM = gA - gM0;
            const double dBM = gB - gM0;
            xQ = xA * gB * gM0 / (dAB * dAM) - xB * gA * gM0 / (dAB * dBM) +
                 xM0 * gA * gB / (dAM * dBM);
            v = -xA * (gB + gM0) / (dAB * dAM) + xB * (gA + gM0) / (dAB * dBM) -
                xM0 * (gA + gB) / (dAM * dBM);
        }

        // A trial point outside the bracket (or not a number) is not evaluated: bisect.
        if (!(xA <= xQ && xQ <= xB)) {
            if (gM0 * gB < 0.0) {
                xA = xM0;
                gA = gM0;
            } else {
                xB = xM0;
                gB = gM0;
            }
            continue;
        }
        const double gQ0 = g(xQ);
        if (faulted) return unknown();
        if (gQ0 == 0.0) return xQ;

        const double xN = xQ - 2.0 * v * gQ0;
        if (xA < xN && xN < xB) {
            const double gN = g(xN);
            if (faulted) return unknown();
            if (gN == 0.0) return xN;
            if (gQ0 * gN < 0.0) {
                if (xN < xQ) {
                    xA = xN;
                    gA = gN;
                    xB = xQ;
                    gB = gQ0;
                } else {
                    xA = xQ;
                    gA = gQ0;
                    xB = xN;
                    gB = gN;
                }
                continue;
            }
        }

        double xM = xM0;
        double gM = gM0;
        double xQs = xQ;
        double gQ = gQ0;
        if (xQs < xM) {
            std::swap(xM, xQs);
            std::swap(gM, gQ);
        }
        if (gA * gM < 0.0) {
            xB = xM;
            gB = gM;
        }
        if (gM * gQ < 0.0) {
            xA = xM;
            gA = gM;
            xB = xQs;
            gB = gQ;
        }
        if (gQ * gB < 0.0) {
            xA = xQs;
            gA = gQ;
        }
    }
    if (pass > KXRootFinderMaxPasses) {
        Fail(KXErrorCode::NoConvergence, "No convergence.", ErrorText, ErrorCode);
        return 0.0;
    }
    const double x = std::fabs(gB) <= std::fabs(gA) ? xB : xA;
    if (scope.Faulted(x)) return unknown();
    return x;
}
