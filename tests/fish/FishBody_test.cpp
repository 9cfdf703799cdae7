#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

#include "core/fish/FishMeshData.h"

// Every normal is a unit vector on the lit side of the quads around it, as
// they are drawn (line k then line k + 1 at each station): a normal pointing
// into the body leaves that side unlit by the diffuse light. The shell and the
// eye are wound outwards, so the normal follows the winding; a thin fin is a
// two-sided sheet whose normal lies on its -y side whichever way the strip
// turns where it folds over. Quads that are points or lines, or fin quads seen
// edge-on from the side, have no side to check.
TEST(FishMesh, EveryNormalIsAUnitVectorOnTheLitSideOfItsQuads) {
    const auto check = [](const char* name, const auto& part, bool sheet) {
        const int lines = static_cast<int>(std::size(part));
        const int stations = static_cast<int>(std::size(part[0]));
        for (int k = 0; k < lines; ++k) {
            for (int j = 0; j < stations; ++j) {
                const FishMeshPoint& p = part[k][j];
                EXPECT_NEAR(p.nx * p.nx + p.ny * p.ny + p.nz * p.nz, 1.0f, 2e-4f)
                    << name << " " << k << "," << j;
                if (k + 1 == lines || j + 1 == stations) continue;
                const FishMeshPoint* corners[4] = {&p, &part[k + 1][j], &part[k + 1][j + 1],
                                                   &part[k][j + 1]};
                // Twice the vector area (Newell's method), good for slivers and twisted quads.
                float face[3] = {};
                for (int c = 0; c < 4; ++c) {
                    const FishMeshPoint& a = *corners[c];
                    const FishMeshPoint& b = *corners[(c + 1) % 4];
                    face[0] += (a.y - b.y) * (a.z + b.z);
                    face[1] += (a.z - b.z) * (a.x + b.x);
                    face[2] += (a.x - b.x) * (a.y + b.y);
                }
                const float area = std::hypot(face[0], face[1], face[2]);
                if (area < 1e-7f || (sheet && std::fabs(face[1]) < 0.1f * area)) continue;
                const float sign = sheet && face[1] > 0.0f ? -1.0f : 1.0f;
                for (const FishMeshPoint* c : corners) {
                    const float lit = c->nx * face[0] + c->ny * face[1] + c->nz * face[2];
                    EXPECT_GT(sign * lit / area, sheet ? 0.0f : 0.5f)
                        << name << " " << k << "," << j;
                }
            }
        }
    };
    check("body", kFishBody, false);
    check("upper jaw", kFishUpperJaw, false);
    check("lower jaw", kFishLowerJaw, false);
    check("eye", kFishEye, false);
    check("dorsal", kFishDorsal, true);
    check("pectoral", kFishPectoral, true);
    check("pelvic", kFishPelvic, true);
    check("anal", kFishAnal, true);
    check("tail", kFishTail, true);
}
