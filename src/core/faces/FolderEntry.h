#pragma once
// Finding a file or folder whose name may differ in letter case: a game
// copied from Windows or installed under Wine may hold GRP/GRPFACES.VMR, and
// a path from the Windows registry may spell its folders in any case.
#include <QString>

// folder/name when that exists (a link that leads nowhere counts), else the
// entry of `folder` whose name equals `name` in another letter case (the
// same one on every run when there are several, e.g. GRP beside Grp), else
// folder/name, which then simply is not found. `folder` may end in '/'.
QString EntryIgnoringCase(const QString& folder, const QString& name);
