#pragma once

#include <vector>

// The ids listed in the message area, both tabs together, and the next id to
// hand out: one more than the largest listed, 2 when none is.
//
// Each new id is the largest plus one, so the largest only ever climbs one
// step at a time; when it is withdrawn, the search for the next largest walks
// down over ids climbed past before. Over any run of diagnostics the walking
// is bounded by the climbing: constant time per id, whatever the number listed.
class ListedIds {
public:
    int next() const { return largest + 1; }
    // Lists next() and returns it.
    int take();
    // False when the id was not listed.
    bool release(int id);

private:
    std::vector<bool> listed{false, false};
    int largest = 1; // 1 when nothing is listed, so the first id is 2
};
