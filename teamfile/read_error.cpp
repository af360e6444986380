#include "teamfile/read_error.h"

namespace teamtool {

namespace {

std::string recordName(const ReadError& error)
{
    return error.player == 0 ? std::string("the team record") : "player " + std::to_string(error.player);
}

std::string atLine(const ReadError& error)
{
    return error.line == 0 ? std::string() : " (line " + std::to_string(error.line) + ")";
}

}  // namespace

std::string describeReadError(const ReadError& error, std::string_view fileName)
{
    const std::string file = "\"" + std::string(fileName) + "\"";
    switch (error.code) {
    case ReadErrorCode::CannotOpen:
        return "The team file " + file + " cannot be opened: " + error.detail + ".";
    case ReadErrorCode::CannotRead:
        return "The team file " + file + " cannot be read: " + error.detail + ".";
    case ReadErrorCode::TooLarge:
        return "The team file " + file + " is too large to be a team file (" + error.detail + " bytes).";
    case ReadErrorCode::NotText:
        return "The team file " + file + " is not a text file: it holds binary data" + atLine(error) + ".";
    case ReadErrorCode::Empty:
        return "The team file " + file + " is empty.";
    case ReadErrorCode::UnterminatedQuote:
        return "The team file " + file + " has an unterminated quote at line " + std::to_string(error.line) +
               ", in field " + std::to_string(error.field) + " of " + recordName(error) + ".";
    case ReadErrorCode::EndsInsideRecord:
        return "The team file " + file + " ends inside " + recordName(error) + ": only " +
               std::to_string(error.fieldsRead) + " of its " + std::to_string(error.fieldCount) +
               " fields were read" + atLine(error) + ".";
    case ReadErrorCode::CmaNotANumber:
        return "The team file " + file + " has a CMA that is not a number: \"" + error.detail + "\"" + atLine(error) +
               ".";
    case ReadErrorCode::CmaTooLarge:
        return "The team file " + file + " has a CMA too large to show: \"" + error.detail + "\"" + atLine(error) +
               ".";
    }
    return "The team file " + file + " cannot be loaded.";
}

}  // namespace teamtool
