#include "DiagnosticColumns.h"

#include <iterator>

namespace {

const DiagnosticColumn debugColumns[] = {
    {"File", DiagnosticField::File},   {"Line", DiagnosticField::Line}, {"Col", DiagnosticField::Column},
    {"Block", DiagnosticField::Block}, {"ID", DiagnosticField::Id},     {"Error", DiagnosticField::Message},
};

const DiagnosticColumn messageColumns[] = {
    {"File", DiagnosticField::File}, {"Line", DiagnosticField::Line},       {"Col", DiagnosticField::Column},
    {"ID", DiagnosticField::Id},     {"Message", DiagnosticField::Message},
};

} // namespace

namespace DiagnosticTabs {

const DiagnosticTabLayout debug = {debugColumns, int(std::size(debugColumns)), 4, true};
const DiagnosticTabLayout messages = {messageColumns, int(std::size(messageColumns)), 3, false};

} // namespace DiagnosticTabs
