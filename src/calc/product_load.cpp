// SPDX-License-Identifier: MIT
#include "calc/product_load.h"

namespace tw {

ProductLoadTerms ProductLoad(const ProductInput& p, double latentHeat) {
    ProductLoadTerms q;
    // A product that does not freeze is taken to freeze far below any room.
    const double tf = p.freezingPoint ? *p.freezingPoint : -1000.0;
    const double latent = p.waterContent * latentHeat / 100;
    const double t = p.pullDown;
    const double m = p.weight;
    const double n = p.multiplier;
    if (t > 0) {
        if (p.entering > tf) {
            const double to = p.final < tf ? tf : p.final;
            q.cool = (p.entering - to) * m * p.heatAbove * n * 24 / t;
            if (p.final <= tf) q.freeze = latent * m * n * 24 / t;
        }
        if (p.final < tf) {
            const double from = p.entering > tf ? tf : p.entering;
            q.subcool = (from - p.final) * m * p.heatBelow * n * 24 / t;
        }
    }
    q.other = p.respiration * m;
    q.total = q.freeze + q.cool + q.subcool + q.other;
    return q;
}

} // namespace tw
