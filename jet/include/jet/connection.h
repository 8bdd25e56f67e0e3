// A connection to one Jet database file (Jet 3 or Jet 4), opened read-only
// from an OLE DB style connection text.
#ifndef JET_CONNECTION_H
#define JET_CONNECTION_H

#include <memory>
#include <string>

namespace jet {

class Database;

// The file is always opened for reading only, whatever the mode asks: the
// layer writes nothing.
enum TConnectMode { cmUnknown, cmRead, cmWrite, cmReadWrite, cmShareDenyNone };

class TADOConnection {
public:
    TADOConnection();
    ~TADOConnection();
    TADOConnection(const TADOConnection&) = delete;
    TADOConnection& operator=(const TADOConnection&) = delete;

    // "Provider=Microsoft.Jet.OLEDB.4.0;User ID=...;Data Source=...;
    // Jet OLEDB:Database Password=..." (Shift-JIS text).
    std::string ConnectionString;
    bool LoginPrompt = true;  // there is never a prompt; kept for callers that set it
    TConnectMode Mode = cmUnknown;

    // Opens the file named by Data Source and checks user and database
    // password; raises EDatabaseError when the file is missing, is not a Jet
    // database, or the password does not match.
    void Open();
    void Close();
    bool Connected() const { return database_ != nullptr; }

private:
    friend class TADOQuery;
    std::unique_ptr<Database> database_;
};

}  // namespace jet

#endif
