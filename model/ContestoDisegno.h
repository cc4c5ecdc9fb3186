#pragma once
// What drawing reads besides the scene. The window's view fills one from its
// own state; pictures, plans on paper, printing and previews each build
// their own, so nothing borrows the view's fields or texture names to draw
// elsewhere.
struct CContestoDisegno
{
    // 0: the 3D view, 1: the plan (the view's display modes).
    int nVista = 1;
    // The whole picture in pixels; pTassello, when set, is the part
    // {x, y, width, height} of it that this frame draws (large pictures go
    // in tiles).
    float fLarghezza = 1.0f, fAltezza = 1.0f;
    const int* pTassello = nullptr;
    // Plan: pixels per metre, and where the room's south-west corner lies
    // in the picture (pictures on paper place it themselves).
    float fScala = 1.0f;
    float aOrigine[2] = {0.0f, 0.0f};
    // Screen pixels per pixel of the toolkit (2 at 200%): lines grow with
    // it. Pictures are drawn at 1, whatever the screen.
    float fFattoreScala = 1.0f;
    bool bTextures = false;
    bool bWireframe = false;
    bool bLuci = false;
    bool bAntialiasing = false;
    // The 3D camera: pitch and yaw in degrees, translation and the room's
    // centring in metres. The yaw also picks the room's two walls.
    float fRotX = 0.0f, fRotY = 0.0f;
    float aTraslazione[3] = {0.0f, 0.0f, -15.0f};
    float aCentro[3] = {0.0f, 0.0f, 0.0f};
    // The camera stands inside the room: every wall is shown.
    bool bDallInterno = false;
    // The 38 texture names of the GL context being drawn into.
    const unsigned int* aTexture = nullptr;
};
