#pragma once
// Functions whose C library long double versions can be more than one unit in the last place
// off (sinh 1.1, cosh 1.6, arcsinh 1.5, arctanh 2.1, exp and log10 1.1 in a sample of 500),
// and the factors of the complex functions: computed with 113 bits in the quad precision of
// GCC's runtime (libquadmath) and rounded once, which leaves half a unit and a hair. Each
// costs about a microsecond, fifteen times the long double call: the sine and cosine of real
// arguments, which loops call most, stay with the C library (within 0.9 units), and so does
// ln of a real argument (0.7).
namespace textcalc::library::quad {

long double exp(long double x);
long double log10(long double x);
long double tan(long double x);
long double sinh(long double x);
long double cosh(long double x);
long double tanh(long double x);
long double arcsinh(long double x);
long double arctanh(long double x);

// The parts of a complex value, each rounded once from 113 bits.
struct Parts {
    long double re, im;
};
// ln |a + ib| and log10 |a + ib| with no rounding of |z| first: beside |z| = 1 the logarithm
// of a rounded modulus keeps none of its digits.
long double lnModulus(long double a, long double b);
long double log10Modulus(long double a, long double b);
// The principal square root from t = sqrt((|a| + |z|)/2), which has no cancellation: the
// polar form's cos(arg/2) lost the real part beside the negative axis.
Parts sqrt(long double a, long double b);
// e^a·(cos b + i sin b).
Parts exp(long double a, long double b);
// f(a)·g(b) + i·sign·f'(a)·g'(b) for the four functions of a + ib that are such products:
// sin(a + ib) = sin a·cosh b + i·cos a·sinh b, and cos, sinh and cosh alike.
Parts sin(long double a, long double b);
Parts cos(long double a, long double b);
Parts sinh(long double a, long double b);
Parts cosh(long double a, long double b);
// tanh(a + ib) without the overflow of cosh 2a and the cancellation of cosh 2a + cos 2b near
// the poles (Kahan's form): with t = tan b, s = sinh a and beta = 1 + t²,
// tanh = (beta·s·cosh a + i·t)/(1 + beta·s²); far out (|a| > 40) s² would overflow while
// tanh is ±1 to the last bit, and the imaginary part is 4·sin b·cos b·e^(-2|a|).
Parts tanh(long double a, long double b);

} // namespace textcalc::library::quad
