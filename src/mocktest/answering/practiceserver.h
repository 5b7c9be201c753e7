#pragma once
// The practice server of a mock network question: FTP when its text speaks
// of "文件传输协议", otherwise web; the question's own folder of the bank's
// "network\sever" is what the server offers.
#include <QString>

namespace forms {
class Form;
}

namespace mocktest {

// What the web server was configured to serve ("serverpath" of its own
// server.ini); "" when none.
QString configuredWebRoot();

// FTP: "D:\PracticalTraining" emptied and filled from the question's folder,
// the FTP server started when it does not run. Web: when the server runs
// with another site it is stopped (its kill tool awaited) and started with
// this question's; when it runs with this site nothing changes. Returns the
// problems for the student ("" when none).
QString setupMockServer(const QString& questionText, const QString& level, const QString& number,
                         const QString& address, forms::Form* owner);

}  // namespace mocktest
