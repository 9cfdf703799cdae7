#include <GL/gl.h>

#include "fish/Fish.h"
#include "fish/FishPartEmission.h"
#include "fish/FishVertexBatch.h"

// The vertices are emitted exactly as immediate mode would send them, but
// collected first and sent as quad strips from one interleaved array.
void Fish::DrawParts(const FishPartArrays& arrays) {
    fishVertexBatch.Clear();
    EmitFishParts(*this, arrays);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glInterleavedArrays(GL_T2F_N3F_V3F, 0, fishVertexBatch.vertices.data());
    for (const FishStrip& strip : fishVertexBatch.strips) {
        glDrawArrays(GL_QUAD_STRIP, strip.first, strip.count);
    }
    glPopClientAttrib();
}
