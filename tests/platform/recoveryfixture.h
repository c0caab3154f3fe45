#pragma once
// Shared by the recovery tests and their helper program: the project both sides write, and the
// helper's commands.

#include "model/document.h"
#include "tests/project/projectfixtures.h"

namespace sw::testing {

// Two culverts, one with intensity inputs and text outside ASCII; what File > Open reads back
// from its file is equal to it.
inline Document recoveryProject()
{
    Document s = stateWith({culvert("C-1", {subArea("Asphaltic", "2.5 a", 0.35, "ditch é"),
                                            subArea("Gravel yard", "1.2 h", 0.5)}),
                            record("C-2", "Sta 14+00", "25", {subArea("Roof 10°", "300.0 m", 0.9)})});
    s.ProjectInfo.Designer = "A. Noël";
    return static_cast<const Document&>(s);
}

}  // namespace sw::testing
