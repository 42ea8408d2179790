#pragma once
// `velmedit faces export|sheet|import|restore`: the game's faces as PNG
// pictures and a player's pictures as faces, without any window.
#include <QStringList>
#include <ostream>

// `arguments` starts with "faces". Returns the exit code.
int RunFaceCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

// The usage of `faces` or of one of its commands ("faces export").
std::string FaceCommandUsage(const QString& command);
// The lines the program's own usage gives the face commands.
QString FaceCommandSynopses();
