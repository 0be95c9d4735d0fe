#include "report/script_resources.h"

#include <QFile>
#include <stdexcept>

namespace cgt {

std::vector<std::uint8_t> LoadScriptResource(const std::string& name) {
    QFile file(QStringLiteral(":/reports/") + QString::fromStdString(name));
    if (name.empty() || !file.open(QIODevice::ReadOnly)) throw std::runtime_error("Resource " + name + " not found");
    const QByteArray bytes = file.readAll();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace cgt
