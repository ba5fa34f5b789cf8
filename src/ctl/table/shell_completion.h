#pragma once

#include <QString>

// The shell completions, made from the command table: commands, each command's options and
// arguments, devices from the attached readers (`keylon2ctl completion devices`), .cfg files.
namespace Ctl {

QString bashCompletion();
QString zshCompletion();

}  // namespace Ctl
