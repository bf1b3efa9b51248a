// What a chart screen says in place of a chart whose inputs are refused: one line naming
// the input, in the edition's language (section "@REFUSALS" of its menu file, lines
// "code=text"), else in English.
#pragma once

#include <QString>
#include <string>

namespace qora {

struct AppState;

QString RefusalText(const AppState& state, const std::string& refusal);
// The English text of a refusal code (any code gets a text).
QString BuiltinRefusalText(const std::string& refusal);

}  // namespace qora
