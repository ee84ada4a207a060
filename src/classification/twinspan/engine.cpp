#include "classification/twinspan/engine.h"

#include <set>

#include "classification/twinspan/indicators.h"
#include "classification/twinspan/ordination.h"
#include "classification/twinspan/orientation.h"

namespace zembu::classification::twinspan {

namespace {

class Engine {
public:
    explicit Engine(const EngineInput& input)
        : in_(input), localIndex_(static_cast<size_t>(input.columnCount()), -1), neighbours_(input) {}

    EngineResult run() {
        EngineResult result;
        result.rowClass.assign(static_cast<size_t>(in_.rowCount()), 0);
        if (in_.maxLevel < 1) return result;
        const long long end = 1LL << (in_.maxLevel + 2);

        std::vector<int>& first = members_[1];
        for (int row = 0; row < in_.rowCount(); ++row)
            if (in_.rowStart[row] < in_.rowStart[row + 1]) first.push_back(row);
        pending_.insert(1);

        int level = 1;
        while (!pending_.empty()) {
            const int k = *pending_.begin();
            pending_.erase(pending_.begin());
            result.divisions.push_back(divide(k));
            const long long next = pending_.empty() ? end : *pending_.begin();
            if (next >= end) break;
            if (next >= (1LL << level)) {
                result.divisions.back().endsLevel = level;
                if (++level > in_.maxLevel) break;
            }
        }
        for (const auto& [cls, rows] : members_)
            for (int row : rows) result.rowClass[row] = cls;
        return result;
    }

private:
    Division divide(int k) {
        Division div;
        div.classNumber = k;
        const std::vector<int>& rows = members_[k];
        div.itemCount = static_cast<int>(rows.size());
        if (div.itemCount < in_.minGroupSize) {
            div.outcome = DivisionOutcome::TooFewItems;
            return div;
        }
        const Group g = buildGroup(in_, rows, localIndex_);
        Axis axis = reciprocalAveraging(g);
        div.eigenvalue = axis.eigenvalue;
        div.iteration = axis.iteration;
        div.converged = axis.converged;
        div.residual = axis.residual;
        if (axis.failed) {
            div.outcome = DivisionOutcome::NoEigenvalue;
            return div;
        }
        std::vector<double>& x = axis.x;

        // The longer tail becomes positive; then two refinement steps.
        AxisFrame frame = AxisFrame::of(x);
        if (frame.xmax <= -frame.xmin) frame.reverse(x);
        polish(g, x, sides_);
        polish(g, x, sides_);
        frame = AxisFrame::of(x);
        if (k > 1 && neighbours_.mustReverse(g, x, frame.crmid, members_, k)) frame.reverse(x);

        std::vector<int> zones(static_cast<size_t>(g.size()));
        for (int r = 0; r < g.size(); ++r) zones[r] = zoneOf(x[r], frame);

        std::vector<LocalIndicator> indicators = chooseIndicators(in_, g, x, frame, sides_);
        std::vector<bool> positive(static_cast<size_t>(g.size()));
        if (indicators.empty()) {
            for (int r = 0; r < g.size(); ++r) positive[r] = zones[r] > 8;
        } else {
            const std::vector<uint16_t> masks = indicatorMasks(g, indicators);
            const Threshold t = searchThreshold(masks, indicators, zones);
            indicators.resize(static_cast<size_t>(t.indicatorCount));
            int shift = 1;
            const std::vector<int> scores = shiftedScores(masks, indicators, t.indicatorCount, shift);
            div.maxNegativeScore = t.score - shift;
            for (const LocalIndicator& ind : indicators)
                div.indicators.push_back({g.globalColumn[ind.column], ind.sign});
            for (int r = 0; r < g.size(); ++r) {
                const int zone = zones[r];
                const bool low = scores[r] <= t.score;
                const int row = g.rows[r];
                if (zone <= t.zone - 4) {
                    positive[r] = false;
                    if (!low) div.misclassifiedNegative.push_back(row);
                } else if (zone <= t.zone) {
                    positive[r] = !low;
                    (low ? div.borderlineNegative : div.borderlinePositive).push_back(row);
                } else {
                    positive[r] = true;
                    if (low) div.misclassifiedPositive.push_back(row);
                }
            }
        }
        for (int r = 0; r < g.size(); ++r)
            (positive[r] ? div.positive : div.negative).push_back(g.rows[r]);
        if (div.negative.empty() || div.positive.empty()) {
            div.outcome = DivisionOutcome::OneSided;
            div.negative.clear();
            div.positive.clear();
            return div;
        }
        members_.erase(k);
        members_[2 * k] = div.negative;
        members_[2 * k + 1] = div.positive;
        pending_.insert(2 * k);
        pending_.insert(2 * k + 1);
        return div;
    }

    const EngineInput& in_;
    ClassMembers members_;
    std::set<int> pending_;
    std::vector<int> localIndex_;
    SideWeights sides_;
    NeighbourComparison neighbours_;
};

}  // namespace

EngineResult classifyRows(const EngineInput& input) { return Engine(input).run(); }

}  // namespace zembu::classification::twinspan
