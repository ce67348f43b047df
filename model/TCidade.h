#pragma once

#include <QString>

// One city of the city register. The city search fills it directly from its
// columns, so it has no mapping of its own.
class TCidade
{
public:
    const QString &ibge() const { return Fibge; }
    void setIbge(const QString &value) { Fibge = value; }
    const QString &cidade() const { return Fcidade; }
    void setCidade(const QString &value) { Fcidade = value; }
    const QString &uf() const { return Fuf; }
    void setUf(const QString &value) { Fuf = value; }

private:
    QString Fibge;
    QString Fcidade;
    QString Fuf;
};
