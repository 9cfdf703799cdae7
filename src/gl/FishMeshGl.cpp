#include "gl/FishMeshGl.h"

#include <cmath>

#include <GL/gl.h>

#include "core/Angles.h"
#include "core/fish/FishPartEmission.h"

void DrawFishMesh(const FishPose& pose, MeshDetail detail, FishVertexBatch& mesh) {
    EmitFishParts(pose, mesh, detail);
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    const float h = DegreesToRadians(pose.heading);
    glRotatef(-pose.pitch, std::sin(h), -std::cos(h), 0.0f);
    // The vertices go to GL as the strips' quads from one interleaved array in a
    // single GL 1.1 call per fish rather than one call per vertex attribute.
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glInterleavedArrays(GL_T2F_N3F_V3F, 0, mesh.vertices.data());
    glDrawElements(GL_QUADS, static_cast<GLsizei>(mesh.quadIndices.size()), GL_UNSIGNED_SHORT,
                   mesh.quadIndices.data());
    glPopClientAttrib();
    glPopMatrix();
}
