#pragma once
// Table-driven tests: every case of a table checked, each traced by its name, so a failure
// says which case it was; an ASSERT in `check` ends that case only and the next one still runs.

#include <gtest/gtest.h>

namespace snoozr::test {

template <class Cases, class Check>
void ForEachCase(const Cases& cases, const Check& check) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        check(c);
    }
}

}  // namespace snoozr::test
