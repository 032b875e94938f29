#include "db/DbError.h"
#include "db/ServerLogin.h"

#include <gtest/gtest.h>

namespace {

db::ServerLogin stationLogin(db::ServerLogin::Driver driver)
{
    db::ServerLogin login;
    login.server = QStringLiteral("dbhost");
    login.port = 1433;
    login.database = QStringLiteral("STATION");
    login.user = QStringLiteral("sa");
    login.password = QStringLiteral("secret");
    login.driver = driver;
    return login;
}

TEST(ServerLoginTest, FreeTdsStringFixesTheProtocolAndGivesTheLoginTimeout)
{
    db::ServerLogin login = stationLogin(db::ServerLogin::Driver::FreeTds);
    login.loginTimeoutSeconds = 7;
    EXPECT_EQ(login.connectionString(),
              QStringLiteral("DRIVER={FreeTDS};SERVER=dbhost;PORT=1433;DATABASE=STATION;UID=sa;PWD=secret;TDS_Version=7.4;"));
    EXPECT_EQ(login.connectOptions(), QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=7"));

    login.port = 0;
    login.driverLibrary = QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so");
    EXPECT_EQ(login.connectionString(),
              QStringLiteral("DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so;SERVER=dbhost;DATABASE=STATION;UID=sa;PWD=secret;TDS_Version=7.4;"));
}

TEST(ServerLoginTest, VendorDriversTakeThePortAfterACommaAndTrustTheCertificate)
{
    const db::ServerLogin v17 = stationLogin(db::ServerLogin::Driver::VendorOdbc17);
    EXPECT_EQ(v17.connectionString(),
              QStringLiteral("DRIVER={ODBC Driver 17 for SQL Server};SERVER=tcp:dbhost,1433;DATABASE=STATION;UID=sa;PWD=secret;TrustServerCertificate=yes;"));

    db::ServerLogin v18 = stationLogin(db::ServerLogin::Driver::VendorOdbc18);
    v18.server = QStringLiteral("dbhost\\HOSPITAL");
    v18.port = 0;
    v18.trustServerCertificate = false;
    EXPECT_EQ(v18.connectionString(),
              QStringLiteral("DRIVER={ODBC Driver 18 for SQL Server};SERVER=dbhost\\HOSPITAL;DATABASE=STATION;UID=sa;PWD=secret;"));
    EXPECT_EQ(v18.connectOptions(), QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=10"));
}

TEST(ServerLoginTest, VendorValuesAreBracedWithClosingBracesDoubled)
{
    db::ServerLogin login = stationLogin(db::ServerLogin::Driver::VendorOdbc18);
    login.user = QStringLiteral(" padded ");
    login.password = QStringLiteral("p;w}d{x");
    login.database = QStringLiteral("a=b");
    const QString text = login.connectionString();
    EXPECT_TRUE(text.contains(QStringLiteral(";UID={ padded };"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral(";PWD={p;w}}d{x};"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral(";DATABASE=a=b;"))) << qPrintable(text);
}

TEST(ServerLoginTest, FreeTdsValuesAreBracedOnlyForSeparatorsAndKeepTheirBraces)
{
    db::ServerLogin login = stationLogin(db::ServerLogin::Driver::FreeTds);
    login.user = QStringLiteral("nurse}3");
    login.password = QStringLiteral("p;w}d");
    login.database = QStringLiteral("{STATION");
    const QString text = login.connectionString();
    EXPECT_TRUE(text.contains(QStringLiteral(";UID=nurse}3;"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral(";PWD={p;w}d};"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral(";DATABASE={{STATION};"))) << qPrintable(text);

    // FreeTDS ends a braced value at the first "};": such a password cannot be sent.
    login.password = QStringLiteral("ab};c");
    try {
        login.connectionString();
        FAIL() << "a value holding \"};\" was accepted";
    } catch (const db::DbError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("password"))) << qPrintable(error.message());
    }
}

} // namespace
