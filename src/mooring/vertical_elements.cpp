#include "mooring/vertical_elements.h"

#include <cmath>

#include "numlib/roots.h"

namespace qv {

void DTKLTN(const double* LEN, const double* W, int I, int N, int /*N2*/, double& T, double TB) {
  T = TB;
  for (int k = I; k <= N; ++k) T += W[k - 1] * LEN[k - 1];
}

double SFNCDP(const double* A, double T, double W) {
  const double x = std::fabs(T);
  return (x + A[0] * x * x / 2.0 + A[1] * x * x * x / 3.0 + A[2] * x * x * x * x / 4.0) / W;
}

double SFCDP2(const double* A, double T) {
  const double x = std::fabs(T);
  return 1.0 + A[0] * x + A[1] * x * x + A[2] * x * x * x;
}

void RTMIDP(double& X, double& F, DoubleFunction FCT, double XLI, double XRI, double EPS, int IEND, int& IER,
            int& ITER) {
  rootSearch(X, F, FCT, XLI, XRI, EPS, 100.0 * EPS, IEND, IER, ITER);
}

}  // namespace qv
