#pragma once

// What the face picker remembers from one opening to the next, for the whole run.
struct FacePickerRunState {
  int FaceLimit = 0;          // first face number past the faces offered; 0 = not yet computed
  int ArchiveFaceLimit = 0;   // first face number past the faces the archives hold
  int PickedPosition = -1;    // running index picked at the last opening, -1 for none
};
