-- The tables and columns behind the station's small look-ups and checks:
-- insurance membership, special and foreign patients, HMO accounts, rates by
-- class, laboratory specimens and profiles, receivable codes and the
-- national formulary.

-- A company account that is a health-maintenance organisation (HMO).
ALTER TABLE BUILD_FILE..TBCOCOMPANY ADD isHMO bit NULL DEFAULT 0
GO

-- Medicines listed in the national formulary; items outside it need a reason
-- (or are refused) once the formulary applies to the patient.
ALTER TABLE INVENTORY..tbInvMaster ADD isPNF bit NULL DEFAULT 0
GO

-- Admission packages of the national insurance's Z benefits; isPDFirst marks
-- the peritoneal-dialysis "PD First" package.
ALTER TABLE BUILD_FILE..tbCoADmPackage ADD isPDFirst bit NULL DEFAULT 0
GO

-- The relative-value code of an operating-room procedure, for the RUV price.
ALTER TABLE BUILD_FILE..TbCoOtherRevenue ADD RVSCode varchar(20) NULL
GO

-- National-insurance membership of an admission or visit. PHICCode is the
-- membership category (MEDICARE..tbAdmPHICTable); EligibleUntil NULL means no end.
CREATE TABLE PATIENT_DATA..tbPatientPHIC (
    IDNum varchar(15) NOT NULL,
    HospNum varchar(15) NULL,
    PHICNum varchar(20) NULL,
    PHICCode varchar(20) NULL,
    EligibleUntil datetime NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (IDNum)
)
GO
CREATE INDEX IX_tbPatientPHIC_HospNum ON PATIENT_DATA..tbPatientPHIC (HospNum)
GO

-- Persons charged at the special rate class "F" (hospital employees and their
-- dependents, sponsored patients), by hospital number. Status 'A' active.
CREATE TABLE PATIENT_DATA..tbSpecialPatient (
    HospNum varchar(15) NOT NULL,
    SpecialType varchar(20) NULL,
    Remarks varchar(255) NULL,
    Status char(1) NULL DEFAULT 'A',
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (HospNum)
)
GO

-- Contracted HMO prices of a department's items by rate class.
CREATE TABLE BUILD_FILE..tbCoHMORate (
    RevenueID varchar(10) NOT NULL,
    ItemID varchar(20) NOT NULL,
    RateClass varchar(1) NOT NULL,
    HMORate money NULL DEFAULT 0,
    PRIMARY KEY (RevenueID, ItemID, RateClass)
)
GO

-- A doctor's professional fee by the patient's rate class.
CREATE TABLE BUILD_FILE..tbCoDoctorRate (
    DoctorID varchar(15) NOT NULL,
    RateClass varchar(1) NOT NULL,
    Amount money NULL DEFAULT 0,
    PRIMARY KEY (DoctorID, RateClass)
)
GO

-- Pesos per relative-value unit by rate class (procedure price = units x value).
CREATE TABLE MEDICARE..tbRUVConversion (
    RateClass varchar(1) NOT NULL,
    UnitValue money NULL DEFAULT 0,
    PRIMARY KEY (RateClass)
)
GO

-- Laboratory specimens, and the specimens an exam may be done on.
CREATE TABLE BUILD_FILE..tbCoLabSpecimen (
    SpecimenID varchar(10) NOT NULL,
    Specimen varchar(100) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (SpecimenID)
)
GO

CREATE TABLE BUILD_FILE..tbCoLabExamSpecimen (
    LabExamID varchar(20) NOT NULL,
    SpecimenID varchar(10) NOT NULL,
    PRIMARY KEY (LabExamID, SpecimenID)
)
GO

-- Laboratory profiles: an exam (ProfileID) that includes other exams.
CREATE TABLE BUILD_FILE..tbCoLabProfile (
    ProfileID varchar(20) NOT NULL,
    ExamID varchar(20) NOT NULL,
    PRIMARY KEY (ProfileID, ExamID)
)
GO
CREATE INDEX IX_tbCoLabProfile_ExamID ON BUILD_FILE..tbCoLabProfile (ExamID)
GO

-- Receivable (AR) account codes of a revenue code when charged by a
-- department: ARType '1' charge to the patient's account, '2' cash.
CREATE TABLE BUILD_FILE..tbCoARCode (
    RevenueID varchar(10) NOT NULL,
    DepartmentID varchar(10) NOT NULL,
    ARType varchar(1) NOT NULL,
    ARCode varchar(20) NULL,
    PRIMARY KEY (RevenueID, DepartmentID, ARType)
)
GO
