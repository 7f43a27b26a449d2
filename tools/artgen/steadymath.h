// Cosine and sine from plain IEEE arithmetic. The C library picks among
// variants of its own by processor (with and without fused multiply-add), and
// their last bits may differ; these give the same bits everywhere, which the
// byte-for-byte reproducible art relies on.
#pragma once

namespace artgen {

double SteadyCos(double x);
double SteadySin(double x);

} // namespace artgen
