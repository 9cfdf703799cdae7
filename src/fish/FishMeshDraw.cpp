#include <GL/gl.h>

#include "fish/Fish.h"
#include "fish/FishPartEmission.h"
#include "fish/FishVertexBatch.h"

// The vertices are emitted exactly as immediate mode would send them, but
// collected first and sent as the strips' quads from one interleaved array in a
// single GL 1.1 call per fish rather than one call per vertex attribute.
void Fish::DrawParts(const FishPartArrays& arrays) {
    fishVertexBatch.Clear();
    EmitFishParts(*this, arrays);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glInterleavedArrays(GL_T2F_N3F_V3F, 0, fishVertexBatch.vertices.data());
    glDrawElements(GL_QUADS, static_cast<GLsizei>(fishVertexBatch.quadIndices.size()),
                   GL_UNSIGNED_SHORT, fishVertexBatch.quadIndices.data());
    glPopClientAttrib();
}
