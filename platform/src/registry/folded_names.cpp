#include "registry/folded_names.h"

#include "registry/stored_name.h"

namespace platform::registry {
namespace {

// platform_fold(name): the folded form of a stored name.
void FoldFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    try {
        const void* bytes = sqlite3_value_blob(arguments[0]);
        std::string folded = NameBlob(FoldName(NameFromBlob(bytes, sqlite3_value_bytes(arguments[0]))));
        sqlite3_result_blob(context, folded.data(), static_cast<int>(folded.size()), SQLITE_TRANSIENT);
    } catch (...) {
        sqlite3_result_error_nomem(context);
    }
}

int Finished(int result) { return result == SQLITE_DONE ? SQLITE_OK : result; }

int ReadRecordedCaseRules(SqliteConnection& connection, int64_t& signature)
{
    SqliteStatement statement = connection.Prepare("SELECT case_rules FROM registry_info");
    int result = statement.Step();
    if (result != SQLITE_ROW) return result == SQLITE_DONE ? SQLITE_CORRUPT : result;
    signature = statement.Integer(0);
    return SQLITE_OK;
}

}  // namespace

int RecordCaseRules(SqliteConnection& connection)
{
    return Finished(connection.Prepare("UPDATE registry_info SET case_rules = ?").Bind(1, CaseRulesSignature()).Step());
}

int RefoldForCurrentCaseRules(SqliteConnection& connection)
{
    int64_t recorded = 0;
    int result = ReadRecordedCaseRules(connection, recorded);
    if (result != SQLITE_OK || recorded == CaseRulesSignature()) return result;
    result = connection.DefineFunction("platform_fold", FoldFunction);
    if (result == SQLITE_OK) {
        result = connection.Execute(
            "UPDATE keys SET folded = platform_fold(name); UPDATE key_values SET folded = platform_fold(name);");
    }
    return result == SQLITE_OK ? RecordCaseRules(connection) : result;
}

}  // namespace platform::registry
