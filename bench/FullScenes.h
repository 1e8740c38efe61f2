#pragma once
// The fullest scene of each module window, made by the events a user would send: for the
// benchmark and for the browser build's comparison of drawing operations.

namespace varelo {

class frmSpieg;
class frmBre1;
class frmBre2;
class frmLins;

frmSpieg *fullMirrorScene();
frmBre1 *fullRayPathScene();
frmBre2 *fullImagingScene();
frmLins *fullLensScene();

} // namespace varelo
