#include "DiagnosticColumns.h"

#include <iterator>

namespace {

const DiagnosticColumn debugColumns[] = {
    {"File", DiagnosticField::File},   {"Line", DiagnosticField::Line},     {"Col", DiagnosticField::Column},
    {"Block", DiagnosticField::Block}, {"Error", DiagnosticField::Message},
};

const DiagnosticColumn messageColumns[] = {
    {"File", DiagnosticField::File},
    {"Line", DiagnosticField::Line},
    {"Col", DiagnosticField::Column},
    {"Message", DiagnosticField::Message},
};

} // namespace

namespace DiagnosticTabs {

const DiagnosticTabLayout debug = {debugColumns, int(std::size(debugColumns)), true};
const DiagnosticTabLayout messages = {messageColumns, int(std::size(messageColumns)), false};

} // namespace DiagnosticTabs
