#include "classification/twinspan/ordination.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zembu::classification::twinspan {

Group buildGroup(const EngineInput& input, const std::vector<int>& rows, std::vector<int>& localIndex) {
    Group g;
    g.rows = rows;
    g.w.reserve(rows.size());
    // Columns in increasing input order.
    for (int row : rows)
        for (int k = input.rowStart[row]; k < input.rowStart[row + 1]; ++k) {
            const int j = input.columns[k];
            if (localIndex[j] < 0) {
                localIndex[j] = 0;
                g.globalColumn.push_back(j);
            }
        }
    std::sort(g.globalColumn.begin(), g.globalColumn.end());
    for (size_t l = 0; l < g.globalColumn.size(); ++l) localIndex[g.globalColumn[l]] = static_cast<int>(l);

    const size_t n = g.globalColumn.size();
    std::vector<double> present(n, 0.0);
    double totalWeight = 0.0;
    for (int row : rows) {
        const double w = input.rowWeight[row];
        g.w.push_back(w);
        totalWeight += w;
        for (int k = input.rowStart[row]; k < input.rowStart[row + 1]; ++k) {
            const int local = localIndex[input.columns[k]];
            g.cols.push_back(local);
            present[local] += w;
        }
        g.start.push_back(static_cast<int>(g.cols.size()));
    }
    g.c.resize(n);
    g.cOrd.resize(n);
    for (size_t l = 0; l < n; ++l) {
        const double base = input.columnWeight[g.globalColumn[l]];
        const double f = present[l] / totalWeight;
        g.c[l] = base;
        g.cOrd[l] = base * (std::min(f, 0.2) / 0.2 * 0.99 + 0.01);
    }
    for (int j : g.globalColumn) localIndex[j] = -1;
    return g;
}

namespace {

// The transfer operator of reciprocal averaging on one group.
class Transfer {
public:
    explicit Transfer(const Group& g) : g_(g), colSum_(static_cast<size_t>(g.columnCount())), z_(colSum_.size()) {
        const size_t n = static_cast<size_t>(g.columnCount());
        colWeight_.assign(n, 0.0);
        for (int r = 0; r < g.size(); ++r)
            for (int k = g.start[r]; k < g.start[r + 1]; ++k)
                colWeight_[g.cols[k]] += g.w[r];
        K_.resize(n);
        total_ = 0.0;
        for (size_t j = 0; j < n; ++j) {
            K_[j] = g.cOrd[j] * colWeight_[j];
            total_ += K_[j];
        }
        R_.resize(static_cast<size_t>(g.size()));
        for (int r = 0; r < g.size(); ++r) {
            double s = 0.0;
            for (int k = g.start[r]; k < g.start[r + 1]; ++k)
                s += g.cOrd[g.cols[k]];
            R_[r] = g.w[r] * s;
        }
    }

    // raw_i = w_i * sum over the row's columns of c'_j * y_j, where y_j is
    // the weighted mean of x over the rows containing j.
    void apply(const std::vector<double>& x, std::vector<double>& raw) {
        std::fill(colSum_.begin(), colSum_.end(), 0.0);
        const int m = g_.size();
        for (int r = 0; r < m; ++r) {
            const double v = g_.w[r] * x[r];
            for (int k = g_.start[r]; k < g_.start[r + 1]; ++k)
                colSum_[g_.cols[k]] += v;
        }
        for (size_t j = 0; j < colSum_.size(); ++j) {
            const double y = g_.cOrd[j] * colSum_[j] / K_[j];
            z_[j] = g_.cOrd[j] * y;
        }
        raw.resize(static_cast<size_t>(m));
        for (int r = 0; r < m; ++r) {
            double s = 0.0;
            for (int k = g_.start[r]; k < g_.start[r + 1]; ++k)
                s += z_[g_.cols[k]];
            raw[r] = g_.w[r] * s;
        }
    }

    double total() const { return total_; }
    double R(size_t i) const { return R_[i]; }

private:
    const Group& g_;
    std::vector<double> colSum_, z_, colWeight_, K_, R_;
    double total_ = 0.0;
};

double dot(const std::vector<double>& a, const std::vector<double>& b) {
    double s = 0.0;
    for (size_t i = 0; i < a.size(); ++i) s += a[i] * b[i];
    return s;
}

double sum(const std::vector<double>& a) {
    double s = 0.0;
    for (double v : a) s += v;
    return s;
}

// Largest eigenvector of a 4x4 tridiagonal matrix by power iteration on its square.
std::array<double, 4> tridiagonalEigenvector(const std::array<double, 4>& d, const std::array<double, 3>& e) {
    auto multiply = [&](const std::array<double, 4>& v) {
        return std::array<double, 4>{d[0] * v[0] + e[0] * v[1], e[0] * v[0] + d[1] * v[1] + e[1] * v[2],
                                     e[1] * v[1] + d[2] * v[2] + e[2] * v[3], e[2] * v[2] + d[3] * v[3]};
    };
    std::array<double, 4> b{1.0, 0.1, 0.01, 0.001};
    for (int it = 1; it <= 100; ++it) {
        const std::array<double, 4> c = multiply(b);
        b = multiply(c);
        const double norm = std::sqrt(b[0] * b[0] + b[1] * b[1] + b[2] * b[2] + b[3] * b[3]);
        if (!(norm > 0.0)) break;
        for (double& v : b) v /= norm;
        if (it % 5 == 0) {
            const double root = std::sqrt(norm);
            double resid = 0.0;
            for (int k = 0; k < 4; ++k) resid += (b[k] - c[k] / root) * (b[k] - c[k] / root);
            if (std::sqrt(resid) < 2.5e-7) break;
        }
    }
    return b;
}

}  // namespace

Axis reciprocalAveraging(const Group& g) {
    constexpr double kEigenvalueFloor = 1e-5;
    constexpr double kTolerance = 5e-6;
    constexpr int kRestartCap = 5;

    const size_t m = static_cast<size_t>(g.size());
    Transfer transfer(g);
    const double T = transfer.total();
    Axis axis;
    std::vector<double>& x = axis.x;
    x.resize(m);
    for (size_t i = 0; i < m; ++i) x[i] = static_cast<double>(i + 1);
    if (m > 0) x[0] = 1.1;

    std::vector<double> raw, x2(m), x3(m, 0.0), x4(m, 0.0), r(m);
    // Centres x on the weighted mean and scales it to unit weighted length.
    auto centreAndNormalise = [&](std::vector<double>& v) {
        double a = 0.0;
        for (size_t i = 0; i < m; ++i) a += v[i] * transfer.R(i);
        a /= T;
        double ss = 0.0;
        for (size_t i = 0; i < m; ++i) {
            v[i] -= a;
            ss += v[i] * v[i] * transfer.R(i);
        }
        const double norm = std::sqrt(ss);
        for (double& value : v) value /= norm;
    };
    auto weightedLength = [&](const std::vector<double>& v) {
        double ss = 0.0;
        for (size_t i = 0; i < m; ++i) ss += v[i] * v[i] * transfer.R(i);
        return std::sqrt(ss);
    };

    for (int n = 0;; ++n) {
        centreAndNormalise(x);
        transfer.apply(x, raw);
        const double a11 = dot(raw, x);
        axis.eigenvalue = a11;
        axis.iteration = n;
        if (!(a11 > kEigenvalueFloor)) {
            axis.failed = true;
            return axis;
        }
        double a = sum(raw) / T;
        for (size_t i = 0; i < m; ++i) r[i] = raw[i] / transfer.R(i) - a - a11 * x[i];
        const double a12 = weightedLength(r);
        axis.residual = a12;
        if (a12 < kTolerance) return axis;
        if (n >= kRestartCap + 1) {
            axis.converged = false;
            return axis;
        }
        for (size_t i = 0; i < m; ++i) x2[i] = r[i] / a12;

        double a22 = 0, a23 = 0, a33 = 0, a34 = 0, a44 = 0;
        std::fill(x3.begin(), x3.end(), 0.0);
        std::fill(x4.begin(), x4.end(), 0.0);
        transfer.apply(x2, raw);
        a22 = dot(raw, x2);
        const double b13 = dot(raw, x);
        if (a22 >= kEigenvalueFloor) {
            a = sum(raw) / T;
            for (size_t i = 0; i < m; ++i) r[i] = raw[i] / transfer.R(i) - a - a22 * x2[i] - b13 * x[i];
            a23 = weightedLength(r);
            for (size_t i = 0; i < m; ++i) x3[i] = r[i] / a23;
            transfer.apply(x3, raw);
            a33 = dot(raw, x3);
            const double b14 = dot(raw, x);
            const double b24 = dot(raw, x2);
            if (a33 >= kEigenvalueFloor) {
                a = sum(raw) / T;
                for (size_t i = 0; i < m; ++i)
                    r[i] = raw[i] / transfer.R(i) - (a + a33 * x3[i] + b14 * x[i] + b24 * x2[i]);
                a34 = weightedLength(r);
                for (size_t i = 0; i < m; ++i) x4[i] = r[i] / a34;
                transfer.apply(x4, raw);
                a44 = dot(x4, raw);
            }
        }
        const std::array<double, 4> b = tridiagonalEigenvector({a11, a22, a33, a44}, {a12, a23, a34});
        for (size_t i = 0; i < m; ++i) x[i] = b[0] * x[i] + b[1] * x2[i] + b[2] * x3[i] + b[3] * x4[i];
    }
}

void sides(const Group& g, const std::vector<double>& x, double lo, double hi, SideWeights& out) {
    const size_t n = static_cast<size_t>(g.columnCount());
    out.positive.assign(n, 0.0);
    out.negative.assign(n, 0.0);
    out.positiveTotal = out.negativeTotal = 0.0;
    const double mid = (lo + hi) / 2.0;
    const double half = (hi - lo) / 2.0 + 1e-10;
    for (int r = 0; r < g.size(); ++r) {
        const double t = std::clamp((x[r] - mid) / half, -1.0, 1.0);
        const double w = g.w[r];
        std::vector<double>& side = t > 0 ? out.positive : out.negative;
        const double weight = t > 0 ? t * w : -t * w;
        (t > 0 ? out.positiveTotal : out.negativeTotal) += weight;
        for (int k = g.start[r]; k < g.start[r + 1]; ++k)
            side[g.cols[k]] += weight;
    }
}

void extremes(const std::vector<double>& x, double& xmin, double& xmax) {
    xmin = x.empty() ? 0.0 : x[0];
    xmax = xmin;
    for (double v : x) {
        xmin = std::min(xmin, v);
        xmax = std::max(xmax, v);
    }
}

void polish(const Group& g, std::vector<double>& x, SideWeights& s) {
    double xmin, xmax;
    extremes(x, xmin, xmax);
    const double mid = (xmin + xmax) / 2.0;
    const double half = 0.2 * (xmax - xmin) / 2.0;
    sides(g, x, mid - half, mid + half, s);

    const size_t n = static_cast<size_t>(g.columnCount());
    std::vector<double> weight(n), score(n);
    for (size_t j = 0; j < n; ++j) {
        const double an = s.negativeTotal > 0 ? s.negative[j] / s.negativeTotal : 0.0;
        const double ap = s.positiveTotal > 0 ? s.positive[j] / s.positiveTotal : 0.0;
        double pref = ap + an > 0 ? (ap - an) / (ap + an) : 0.0;
        const double freq = std::min(ap + an, 0.2);
        pref = std::clamp(pref, -0.5, 0.5);
        if (std::abs(pref) < 0.001) pref = 0.001;
        const double strength = std::abs(pref) / 0.5;
        weight[j] = g.c[j] * (freq / 0.2) * (strength * strength * strength * strength);
        score[j] = pref / 0.5;
    }
    const size_t m = static_cast<size_t>(g.size());
    std::vector<double> u(m), v(m);
    double umin = 0.0, umax = 0.0;
    for (size_t r = 0; r < m; ++r) {
        double su = 0.0, sv = 0.0, sc = 0.0;
        for (int k = g.start[r]; k < g.start[r + 1]; ++k) {
            const size_t j = static_cast<size_t>(g.cols[k]);
            su += weight[j] * score[j];
            sv += g.c[j] * score[j];
            sc += g.c[j];
        }
        u[r] = su;
        v[r] = sv / sc;
        if (r == 0 || su < umin) umin = su;
        if (r == 0 || su > umax) umax = su;
    }
    const double scale = std::max(umax, std::abs(umin));
    for (size_t r = 0; r < m; ++r) x[r] = (scale > 0 ? u[r] / scale : u[r]) + v[r];
}

}  // namespace zembu::classification::twinspan
