// "Отчет": the report of the current calculation.
#include <QDir>
#include <optional>

#include "model/report_content.h"
#include "storage/file_locations.h"
#include "ui/form1.h"
#include "ui/form3_elements.h"
#include "ui/form4_arc_motor.h"
#include "ui/form5_summary.h"
#include "ui/form7_error.h"
#include "ui/form8_checks.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

void Form1::Command22_Click() {
    // The report shows the summary, the element dialog's reactor and the arc
    // and motor page: each window is made (hidden) for it if it does not
    // exist, and a window made loads its saved data, which the report shows.
    session().form<Form5>();
    session().form<Form3>();
    session().form<Form4>();
    const ReportData d = model::reportData(model(), session().existing<Form8>() != nullptr);

    const QString path = session().reportPath();
    std::optional<StorageError> error;
    StorageError folderError;
    if (!makeFolder(session().locations().reportFolder, folderError)) error = folderError;
    if (error || !appendReport(text(path), d, &error)) {
        const QString why = error ? q(error->description) : QString();
        showErrorDialog(session(), "Не удалось записать отчет в файл " + QDir::toNativeSeparators(path) + ": " + why);
        return;
    }
    session().platform().launch("open", path);
}

}  // namespace ampera
