/* Saturation pressure and superheated-steam enthalpy from C: a direct call by name, a call
 * through a handle, an array call and a unit conversion. */
#include <stdio.h>

#include "varnexa.h"

int main(void) {
    char text[VARNEXA_TEXT_CAPACITY + 1];
    int32_t code = 0;

    /* A library function under its own name: saturation pressure at 100 degrees C, in bar(a). */
    double ps = KX_WS_IF97_PsatT(100.0, text, VARNEXA_TEXT_CAPACITY, &code);
    if (code != 0) {
        fprintf(stderr, "%s\n", text);
        return 1;
    }
    printf("saturation pressure at 100 C: %.6f bar(a)\n", ps);

    /* The same library through a handle: enthalpy from pressure and temperature. */
    const varnexa_function* hpt = varnexa_find_function("KX_WS_IF97_HPT");
    if (!hpt) return 1;
    printf("%s(%s, %s) -> %s [%s]\n", varnexa_function_name(hpt), varnexa_argument_name(hpt, 1),
           varnexa_argument_name(hpt, 2), varnexa_result_name(hpt),
           varnexa_result_quantity_name(hpt));

    /* Four states at 10 bar(a); the last lies below the formulation's temperature range. */
    const double p[1] = {10.0};
    const double t[4] = {200.0, 300.0, 400.0, -50.0};
    const double* args[2] = {p, t};
    const int64_t strides[2] = {0, 1};
    double h[4];
    int32_t codes[4];
    int64_t failed =
        varnexa_call_array(hpt, 4, args, strides, h, codes, text, VARNEXA_TEXT_CAPACITY);
    for (int i = 0; i < 4; ++i)
        printf("h(10 bar(a), %g C) = %.3f kJ/kg, code %d\n", t[i], h[i], codes[i]);
    printf("%lld failed: %s\n", (long long)failed, text);

    double psi = 0.0;
    if (varnexa_convert(NULL, "bar(a)", "psi(a)", ps, &psi) != VARNEXA_CONVERT_OK) return 1;
    printf("that saturation pressure in psi(a): %.4f\n", psi);
    return failed == 1 ? 0 : 1;
}
