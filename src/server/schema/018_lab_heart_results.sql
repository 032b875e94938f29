-- Released results of the laboratory and the heart station, as the chart and
-- the result forms read them.

-- Normal values of each test of a laboratory exam. A test with ranges per sex
-- has one row per sex ('M', 'F'); a row with Sex '' holds for everyone. A
-- qualitative test has no limits and prints its expected text (NormalText).
CREATE TABLE LABORATORY..tbLabNormalValue (
    ItemID varchar(20) NOT NULL,
    TestCode varchar(20) NOT NULL,
    TestName varchar(100) NULL,
    Sex char(1) NOT NULL DEFAULT '',
    LowValue decimal(12,3) NULL,
    HighValue decimal(12,3) NULL,
    Unit varchar(30) NULL,
    NormalText varchar(60) NULL,
    SortOrder int NULL DEFAULT 0,
    PRIMARY KEY (ItemID, TestCode, Sex)
)
GO

-- One released value of one test of a request. Status 'R' released; a result
-- the laboratory took back keeps its row with Status 'C'.
CREATE TABLE LABORATORY..tbLabResult (
    ResultID int IDENTITY(1,1) NOT NULL,
    RequestNum varchar(20) NOT NULL,
    ChargeSlip varchar(20) NULL,
    IdNum varchar(15) NOT NULL,
    HospNum varchar(15) NOT NULL,
    ItemID varchar(20) NOT NULL,
    TestCode varchar(20) NOT NULL,
    Result varchar(60) NULL,
    ResultDate datetime NULL,
    MedTech varchar(60) NULL,
    Pathologist varchar(60) NULL,
    PrintedByStation varchar(10) NULL,
    PrintedDate datetime NULL,
    Status char(1) NULL DEFAULT 'R',
    PRIMARY KEY (ResultID)
)
GO
CREATE INDEX IX_tbLabResult_IdNum ON LABORATORY..tbLabResult (IdNum, RequestNum)
GO
CREATE INDEX IX_tbLabResult_HospNum ON LABORATORY..tbLabResult (HospNum, ItemID, ResultDate)
GO

-- Heart-station results. FormType is the letter of the result form the
-- result prints on ('P' a package whose exams each print their own form,
-- listed by PackageNum on the member results).
CREATE TABLE RADIOLOGY..tbHSResult (
    ResultNum varchar(20) NOT NULL,
    RequestNum varchar(20) NULL,
    IdNum varchar(15) NOT NULL,
    HospNum varchar(15) NOT NULL,
    ItemID varchar(20) NULL,
    ExamName varchar(150) NULL,
    TransDate datetime NULL,
    ResultDate datetime NULL,
    FormType char(1) NULL,
    PackageNum varchar(20) NULL,
    AttendingDr varchar(15) NULL,
    Cardiologist varchar(15) NULL,
    Technician varchar(60) NULL,
    Findings varchar(2000) NULL,
    Impression varchar(1000) NULL,
    Status char(1) NULL DEFAULT 'R',
    PRIMARY KEY (ResultNum)
)
GO
CREATE INDEX IX_tbHSResult_IdNum ON RADIOLOGY..tbHSResult (IdNum)
GO

-- Measurements of a heart-station result, in the order they print: the
-- site (a vessel, a chamber, a lead) and side, what was measured, the value.
CREATE TABLE RADIOLOGY..tbHSMeasurement (
    ResultNum varchar(20) NOT NULL,
    Seq int NOT NULL,
    Site varchar(60) NULL,
    Side varchar(10) NULL,
    Measure varchar(60) NULL,
    Value varchar(40) NULL,
    NormalValue varchar(40) NULL,
    PRIMARY KEY (ResultNum, Seq)
)
GO
