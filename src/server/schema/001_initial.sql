-- Initial schema of the embedded hospital database: the twelve databases the
-- operating-room station reads and writes, each table written DB..Table.
--
-- Conventions used throughout:
--   IdNum / HospNum      varchar(15): admission or visit number ("261234", "261234B"), hospital number
--   RefNum, charge slips varchar(20)
--   ItemID, codes        varchar(20); two-letter department codes varchar(10)
--   UserID, EmployeeID   varchar(20)
--   every date or time   datetime
--   flags read as 0/1    bit; status letters char(1) or varchar(n)
-- Keys that the server hands out itself (OperatingNum, stock-card SequenceNumber,
-- schedule TransNum, note and vital-sign TransNum) are int IDENTITY so that
-- "ORDER BY ... DESC" and unquoted comparisons behave as numbers.


-- ===========================================================================
-- DATABASE STATION
-- ===========================================================================

-- Station log: one row per logged act (log-in, removals, cancellations, resets).
CREATE TABLE STATION..tbStationLogs (
    LogID int IDENTITY(1,1) NOT NULL,
    Idnum varchar(20) NULL,
    Transdate datetime NULL DEFAULT GETDATE(),
    Remarks varchar(1000) NULL,
    UserID varchar(20) NULL,
    Hostname varchar(50) NULL,
    StationID varchar(10) NULL,
    PRIMARY KEY (LogID)
)
GO
CREATE INDEX IX_tbStationLogs_Idnum ON STATION..tbStationLogs (Idnum, Transdate)
GO
CREATE INDEX IX_tbStationLogs_UserID ON STATION..tbStationLogs (UserID, Transdate)
GO
CREATE INDEX IX_tbStationLogs_Transdate ON STATION..tbStationLogs (Transdate)
GO

-- Program settings: key/value rows. No key on Field: a key may occur twice.
CREATE TABLE STATION..tbNurseSetup (
    SetupID int IDENTITY(1,1) NOT NULL,
    Field varchar(100) NOT NULL,
    value varchar(255) NULL,
    Description varchar(1000) NULL,
    PRIMARY KEY (SetupID)
)
GO
CREATE INDEX IX_tbNurseSetup_Field ON STATION..tbNurseSetup (Field)
GO

-- Nursing settings: one row, read with SELECT * (first row only).
CREATE TABLE STATION..tbNursing_Settings (
    ORNoPreprinted bit NULL DEFAULT 0,
    ValidateUnusedMedClearance bit NULL DEFAULT 0,
    isRequireAdmittingDiagnosis bit NULL DEFAULT 0,
    AllowAfterTimeRate bit NULL DEFAULT 0,
    AutoORMarkUp bit NULL DEFAULT 0,
    ORProceduresAllSection bit NULL DEFAULT 0,
    ShowPrecautions bit NULL DEFAULT 0,
    ORCategoryAuto bit NULL DEFAULT 0,
    NoRequestingAfterFinalNotice bit NULL DEFAULT 0,
    PrintPHCSRequest bit NULL DEFAULT 0,
    AppendDrugDescCharge bit NULL DEFAULT 0,
    ORHidePatientClass bit NULL DEFAULT 0,
    EditVSByAuthor bit NULL DEFAULT 0,
    AllowEditDeleteVitalSigns bit NULL DEFAULT 0,
    ORAfterTime varchar(5) NULL,
    ORAfterTimeRate smallint NULL DEFAULT 0,
    AfterTimeStatHours smallint NULL DEFAULT 0,
    SecProcPercentDiscount smallint NULL DEFAULT 0,
    AssessmentMaxItems smallint NULL DEFAULT 0,
    ORDRMealDoctors bit NULL DEFAULT 0,
    OREditSchedProcedure bit NULL DEFAULT 0,
    OR_AllowEditScheduleDateTime bit NULL DEFAULT 0,
    RequireDcrInstructionsBeforeClearance bit NULL DEFAULT 0
)
GO

-- Catalogue of user rights (two-character codes) offered by the rights window.
CREATE TABLE STATION..tbNurseUserSettings (
    ItemID varchar(2) NOT NULL,
    Description varchar(100) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

-- User rights: EmployeeRights is the text "code|code|". ORStationID is the
-- operating-room station the user works at (answered by OR_StationRights).
CREATE TABLE STATION..tbNurseUserRights (
    EmployeeID varchar(20) NOT NULL,
    EmployeeRights varchar(1000) NULL,
    ORStationID varchar(10) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (EmployeeID)
)
GO

-- Standard remarks offered by the validation dialogs (RemarkType 7: credit-memo remarks).
CREATE TABLE STATION..tbNurseCMRemarks (
    RemarkID int IDENTITY(1,1) NOT NULL,
    RemarkType int NULL,
    Remarks varchar(255) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (RemarkID)
)
GO
CREATE INDEX IX_tbNurseCMRemarks_RemarkType ON STATION..tbNurseCMRemarks (RemarkType)
GO

-- Charge-slip counter: a single keyless row of running numbers.
CREATE TABLE STATION..tbORChargeSlip (
    Chargeslip int NULL DEFAULT 1,
    IChargeSlip int NULL DEFAULT 1,
    OChargeSlip int NULL DEFAULT 1,
    AssessNum int NULL DEFAULT 1
)
GO

-- Request-number counter of the station requests: a single keyless row.
CREATE TABLE STATION..tbNurseRequestNum (
    RequestNum int NULL DEFAULT 1,
    ReferenceNum int NULL DEFAULT 1
)
GO

-- Charge-slip print buffer: the lines of the last posting, read by the charge-slip report.
CREATE TABLE STATION..tbORChargePrint (
    LineID int IDENTITY(1,1) NOT NULL,
    ItemID varchar(20) NULL,
    Amount money NULL DEFAULT 0,
    Quantity float NULL DEFAULT 0,
    RevenueID varchar(10) NULL,
    Description varchar(255) NULL,
    StationID varchar(10) NULL,
    ChargeSlip varchar(20) NULL,
    PRIMARY KEY (LineID)
)
GO
CREATE INDEX IX_tbORChargePrint_ChargeSlip ON STATION..tbORChargePrint (ChargeSlip)
GO

-- Cash-assessment print buffer, filled by sp_OR_PrintAssessment.
CREATE TABLE STATION..tbORAssessPrint (
    LineID int IDENTITY(1,1) NOT NULL,
    AssessNum varchar(20) NULL,
    IdNum varchar(15) NULL,
    HospNum varchar(15) NULL,
    PatientName varchar(150) NULL,
    RevenueID varchar(10) NULL,
    ItemID varchar(20) NULL,
    Description varchar(255) NULL,
    Quantity float NULL DEFAULT 0,
    UnitPrice money NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    UserID varchar(20) NULL,
    TransDate datetime NULL,
    PRIMARY KEY (LineID)
)
GO
CREATE INDEX IX_tbORAssessPrint_AssessNum ON STATION..tbORAssessPrint (AssessNum)
GO

-- Request log: one row per requested or charged item (written by Nurse_AppendNurseLogBook
-- and Nurse_AppendCharging). RecordStatus '' pending, 'X' processed, 'R' revoked.
CREATE TABLE STATION..tbNurseLogBook (
    LogBookID int IDENTITY(1,1) NOT NULL,
    REFERENCENUM varchar(20) NULL,
    RequestNum varchar(20) NULL,
    IDNUM varchar(15) NULL,
    HospNum varchar(15) NULL,
    PatientType char(1) NULL,
    RevenueID varchar(10) NULL,
    ITEMID varchar(20) NULL,
    Description varchar(255) NULL,
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    SectionID varchar(10) NULL,
    Stat char(1) NULL,
    SpecimenID varchar(10) NULL,
    TransplantID varchar(1) NULL,
    DialysisID varchar(1) NULL,
    Dosage varchar(50) NULL,
    Frequency varchar(50) NULL,
    DoctorID varchar(15) NULL,
    Remarks varchar(500) NULL,
    RequestDate datetime NULL,
    UserID varchar(20) NULL,
    StationID varchar(10) NULL,
    RECORDSTATUS varchar(1) NULL DEFAULT '',
    ProcessBy varchar(20) NULL,
    ProcessDate datetime NULL,
    RevokeBy varchar(20) NULL,
    RevokeDate datetime NULL,
    isSecORProc varchar(1) NULL,
    PRIMARY KEY (LogBookID)
)
GO
CREATE INDEX IX_tbNurseLogBook_Ref ON STATION..tbNurseLogBook (REFERENCENUM, ITEMID, IDNUM)
GO
CREATE INDEX IX_tbNurseLogBook_IdNum ON STATION..tbNurseLogBook (IDNUM, RECORDSTATUS)
GO
CREATE INDEX IX_tbNurseLogBook_RequestNum ON STATION..tbNurseLogBook (RequestNum)
GO

-- Sent requests to the ancillary departments, pharmacy and central supply.
-- RecordStatus '' pending, 'X' processed, 'R' revoked.
CREATE TABLE STATION..tbNurseCommunicationFile (
    CommID int IDENTITY(1,1) NOT NULL,
    RequestNum varchar(20) NULL,
    ReferenceNum varchar(20) NULL,
    IDNum varchar(15) NULL,
    HospNum varchar(15) NULL,
    PatientType char(1) NULL,
    RevenueID varchar(10) NULL,
    ItemID varchar(20) NULL,
    Description varchar(255) NULL,
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    SectionID varchar(10) NULL,
    Stat char(1) NULL,
    SpecimenID varchar(10) NULL,
    Dosage varchar(50) NULL,
    Frequency varchar(50) NULL,
    DoctorID varchar(15) NULL,
    Remarks varchar(500) NULL,
    Reason varchar(500) NULL,
    RequestDate datetime NULL,
    UserID varchar(20) NULL,
    StationID varchar(10) NULL,
    RecordStatus varchar(1) NULL DEFAULT '',
    ProcessBy varchar(20) NULL,
    ProcessDate datetime NULL,
    RevokeBy varchar(20) NULL,
    RevokeDate datetime NULL,
    PRINTGROUP varchar(10) NULL,
    toinclude bit NULL DEFAULT 0,
    RevAcknow_Date datetime NULL,
    RevAcknow_UserID varchar(20) NULL,
    PRIMARY KEY (CommID)
)
GO
CREATE INDEX IX_tbNurseCommunicationFile_RequestNum ON STATION..tbNurseCommunicationFile (RequestNum)
GO
CREATE INDEX IX_tbNurseCommunicationFile_IdNum ON STATION..tbNurseCommunicationFile (IDNum, RevenueID, ItemID)
GO
CREATE INDEX IX_tbNurseCommunicationFile_Station ON STATION..tbNurseCommunicationFile (StationID, RecordStatus)
GO

-- Per-user work table of STAT requests, emptied before each use.
CREATE TABLE STATION..tbNurse_StatRequest (
    StatID int IDENTITY(1,1) NOT NULL,
    UserID varchar(20) NULL,
    IdNum varchar(15) NULL,
    ExamID varchar(20) NULL,
    SpecimenID varchar(10) NULL,
    SectionID varchar(10) NULL,
    Stat char(1) NULL,
    RequestDate datetime NULL,
    StationID varchar(10) NULL,
    RequestNum varchar(20) NULL,
    PRIMARY KEY (StatID)
)
GO
CREATE INDEX IX_tbNurse_StatRequest_UserID ON STATION..tbNurse_StatRequest (UserID)
GO

-- Per-user work table of the department charging procedures, emptied before each use.
CREATE TABLE STATION..tbNurse_DepartmentCharging (
    ChargingID int IDENTITY(1,1) NOT NULL,
    UserID varchar(20) NULL,
    IdNum varchar(15) NULL,
    HospNum varchar(15) NULL,
    RevenueID varchar(10) NULL,
    ItemID varchar(20) NULL,
    Description varchar(255) NULL,
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    SectionID varchar(10) NULL,
    Stat char(1) NULL,
    Remarks varchar(500) NULL,
    DoctorID varchar(15) NULL,
    RequestNum varchar(20) NULL,
    TransDate datetime NULL,
    PRIMARY KEY (ChargingID)
)
GO
CREATE INDEX IX_tbNurse_DepartmentCharging_UserID ON STATION..tbNurse_DepartmentCharging (UserID)
GO

-- Medicines of the patient, filled by sp_Nurse_InsertMedicines_Into_tbNursePatientMedicines.
CREATE TABLE STATION..tbNursePatientMedicines (
    MedicineID int IDENTITY(1,1) NOT NULL,
    IdNum varchar(15) NULL,
    ItemID varchar(20) NULL,
    Description varchar(255) NULL,
    Quantity float NULL DEFAULT 0,
    Dosage varchar(50) NULL,
    Frequency varchar(50) NULL,
    Route varchar(50) NULL,
    RefNum varchar(20) NULL,
    TransDate datetime NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (MedicineID)
)
GO
CREATE INDEX IX_tbNursePatientMedicines_IdNum ON STATION..tbNursePatientMedicines (IdNum)
GO

-- Department clearance of a patient's account (answered by sp_Nurse_Check_ClearedDepartment).
CREATE TABLE STATION..tbNurseDepartmentClearance (
    ClearanceID int IDENTITY(1,1) NOT NULL,
    IdNum varchar(15) NOT NULL,
    DepartmentCode varchar(10) NOT NULL,
    ClearDate datetime NULL,
    ClearRemarks varchar(500) NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (ClearanceID)
)
GO
CREATE INDEX IX_tbNurseDepartmentClearance_IdNum ON STATION..tbNurseDepartmentClearance (IdNum, DepartmentCode)
GO

-- Discharge notice of an admission. RecordStatus 'P' saved, 'F' final, 'R' revoked.
CREATE TABLE STATION..TBNURSEDISCHARGENOTICE (
    NoticeID int IDENTITY(1,1) NOT NULL,
    IDNUM varchar(15) NOT NULL,
    HospNum varchar(15) NULL,
    RECORDSTATUS varchar(1) NULL,
    PatientName varchar(150) NULL,
    LastName varchar(50) NULL,
    FirstName varchar(50) NULL,
    MiddleName varchar(50) NULL,
    AdmDate datetime NULL,
    Doctor varchar(150) NULL,
    RoomID varchar(15) NULL,
    OrderedDate datetime NULL,
    BillUpTo datetime NULL,
    OperationDate datetime NULL,
    OperationTime datetime NULL,
    Procedures varchar(1000) NULL,
    MedicalFees varchar(255) NULL,
    Remarks varchar(1000) NULL,
    FinalDiagnosis text NULL,
    Noticedate datetime NULL,
    DischargeNurse varchar(100) NULL,
    SentBy varchar(20) NULL,
    RevokeBy varchar(20) NULL,
    RevokeDate datetime NULL,
    UserID varchar(20) NULL,
    ClearDate datetime NULL,
    ClearRemarks varchar(500) NULL,
    PRIMARY KEY (NoticeID)
)
GO
CREATE INDEX IX_TBNURSEDISCHARGENOTICE_IDNUM ON STATION..TBNURSEDISCHARGENOTICE (IDNUM, RECORDSTATUS)
GO
CREATE INDEX IX_TBNURSEDISCHARGENOTICE_ClearDate ON STATION..TBNURSEDISCHARGENOTICE (ClearDate)
GO

-- Discharge instructions (medications, home-care plan) of an admission.
CREATE TABLE STATION..tbNurseDischargeInstructions (
    InstructionID int IDENTITY(1,1) NOT NULL,
    IDNum varchar(15) NOT NULL,
    Instructions text NULL,
    Medications text NULL,
    HomeCarePlan text NULL,
    FollowUpDate datetime NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (InstructionID)
)
GO
CREATE INDEX IX_tbNurseDischargeInstructions_IDNum ON STATION..tbNurseDischargeInstructions (IDNum)
GO

-- Billing check-list items ticked with the final discharge order.
CREATE TABLE STATION..tbNurse_BillingCheckList (
    CheckListID int IDENTITY(1,1) NOT NULL,
    IDNum varchar(15) NULL,
    CheckListItem varchar(100) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (CheckListID)
)
GO
CREATE INDEX IX_tbNurse_BillingCheckList_IDNum ON STATION..tbNurse_BillingCheckList (IDNum)
GO

-- Reports offered by the clinical chart.
CREATE TABLE STATION..tbNurse_ReportList (
    ReportID int IDENTITY(1,1) NOT NULL,
    ReportType varchar(20) NULL,
    ReportName varchar(100) NULL,
    FileName varchar(255) NULL,
    RecordStatus bit NULL DEFAULT 1,
    PRIMARY KEY (ReportID)
)
GO

-- Professional fees of the case-rate claim. CASETYPE '1', '2' or '' / NULL.
CREATE TABLE STATION..TBNURSEPROFFEES (
    ProfFeeID int IDENTITY(1,1) NOT NULL,
    IDNUM varchar(15) NOT NULL,
    DOCTORID varchar(15) NULL,
    DOCTORNAME varchar(150) NULL,
    PF money NULL DEFAULT 0,
    ORDERNUMBER int NULL,
    CASETYPE varchar(2) NULL,
    RoleID varchar(10) NULL,
    PRIMARY KEY (ProfFeeID)
)
GO
CREATE INDEX IX_TBNURSEPROFFEES_IDNUM ON STATION..TBNURSEPROFFEES (IDNUM, CASETYPE)
GO

-- Claimed ICD and RVS codes of the case-rate claim.
CREATE TABLE STATION..tbPxICDRVS (
    PxID int IDENTITY(1,1) NOT NULL,
    IDNUM varchar(15) NOT NULL,
    CASETYPE varchar(2) NULL,
    RVS varchar(20) NULL,
    ICD varchar(20) NULL,
    ICDDEScRIPTION varchar(1000) NULL,
    RVSDESCRIPTION varchar(1000) NULL,
    PRIMARY KEY (PxID)
)
GO
CREATE INDEX IX_tbPxICDRVS_ICD ON STATION..tbPxICDRVS (IDNUM, ICD)
GO
CREATE INDEX IX_tbPxICDRVS_RVS ON STATION..tbPxICDRVS (IDNUM, RVS)
GO

-- Doctors' roles in the claim; RoleColor is a window colour value.
CREATE TABLE STATION..tbPHICDxRole (
    RoleID varchar(10) NOT NULL,
    Role varchar(50) NULL,
    RoleColor int NULL,
    Status char(1) NULL DEFAULT 'Y',
    PRIMARY KEY (RoleID)
)
GO
CREATE INDEX IX_tbPHICDxRole_Role ON STATION..tbPHICDxRole (Role)
GO

-- Sub-descriptions of a claim code, listed in [Order].
CREATE TABLE STATION..TBPHICSUBDESC (
    CODE varchar(20) NOT NULL,
    [Order] int NOT NULL,
    SubDesc varchar(255) NULL,
    PRIMARY KEY (CODE, [Order])
)
GO

-- Mark-up percentage of the charge entry (first row).
CREATE TABLE STATION..tbCoMarkUp (
    Markup float NULL DEFAULT 0,
    Description varchar(100) NULL
)
GO

-- Older mark-up rules: price x MarkUp.
CREATE TABLE STATION..tbMarkUp (
    MarkupName varchar(50) NOT NULL,
    MarkUp float NULL DEFAULT 1,
    PRIMARY KEY (MarkupName)
)
GO

-- Newer mark-up rules: Operation '*' or '+', Status 'A' or 'I'.
CREATE TABLE STATION..tbORMarkUp (
    MarkupID varchar(10) NOT NULL,
    Description varchar(100) NULL,
    MarkUp float NULL DEFAULT 0,
    Operation char(1) NULL DEFAULT '*',
    Status char(1) NULL DEFAULT 'A',
    IsDefault bit NULL DEFAULT 0,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (MarkupID)
)
GO
CREATE INDEX IX_tbORMarkUp_Description ON STATION..tbORMarkUp (Description)
GO

-- Oxygen charges with the two cylinder readings (sp_Save_Oxygen_Monitoring).
CREATE TABLE STATION..tbOROxygenMonitoring (
    MonitoringID int IDENTITY(1,1) NOT NULL,
    IdNum varchar(15) NULL,
    RefNum varchar(20) NULL,
    ItemID varchar(20) NULL,
    Reading1 varchar(20) NULL,
    Reading2 varchar(20) NULL,
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    OxygenFlag varchar(1) NULL,
    UserID varchar(20) NULL,
    StationID varchar(10) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (MonitoringID)
)
GO
CREATE INDEX IX_tbOROxygenMonitoring_IdNum ON STATION..tbOROxygenMonitoring (IdNum, RefNum)
GO

-- Unit prices edited with a supervisor's approval (sp_Save_Supervisor_Transaction).
CREATE TABLE STATION..tbORSupervisorTransaction (
    SupervisorTransID int IDENTITY(1,1) NOT NULL,
    IdNum varchar(15) NULL,
    RevenueID varchar(10) NULL,
    ItemID varchar(20) NULL,
    SupervisorID varchar(20) NULL,
    Description varchar(100) NULL,
    OldValue money NULL,
    NewValue money NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (SupervisorTransID)
)
GO
CREATE INDEX IX_tbORSupervisorTransaction_IdNum ON STATION..tbORSupervisorTransaction (IdNum)
GO

-- Package items left unused at posting (sp_Save_PackageItems_Unused).
CREATE TABLE STATION..tbORPackageItemsUnused (
    UnusedID int IDENTITY(1,1) NOT NULL,
    IdNum varchar(15) NULL,
    RevenueID varchar(10) NULL,
    SummaryCode varchar(10) NULL,
    ItemID varchar(20) NULL,
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    LocationID varchar(10) NULL,
    PackageID varchar(20) NULL,
    RefNum varchar(20) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (UnusedID)
)
GO
CREATE INDEX IX_tbORPackageItemsUnused_IdNum ON STATION..tbORPackageItemsUnused (IdNum, PackageID)
GO

-- Operation record: one row per operation. OperatingNum is handed out by the server.
-- Diagnosis and note texts (prod .. Opfindings) are written by sp_Save_ORDiagnosis.
CREATE TABLE STATION..tbORMasterFile (
    OperatingNum int IDENTITY(1,1) NOT NULL,
    IDNUM varchar(15) NULL,
    HospNum varchar(15) NULL,
    PatientType char(1) NULL,
    REFNUM varchar(20) NULL,
    ProcedureID varchar(20) NULL,
    USERID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PHICCODE varchar(20) NULL,
    RVSUnit decimal(10,2) NULL,
    CaseNumber varchar(20) NULL,
    RoomName varchar(50) NULL,
    SurgeonID1 varchar(15) NULL,
    SurgeonID2 varchar(15) NULL,
    SurgeonID3 varchar(15) NULL,
    SnurseID1 varchar(20) NULL,
    SnurseID2 varchar(20) NULL,
    Nurse3 varchar(20) NULL,
    SNOthers varchar(255) NULL,
    CnurseID1 varchar(20) NULL,
    CnurseID2 varchar(20) NULL,
    CNOthers varchar(255) NULL,
    AnestheID varchar(15) NULL,
    Anesth1 varchar(15) NULL,
    Anesth2 varchar(15) NULL,
    Anesthesia varchar(100) NULL,
    AsstNurseID1 varchar(20) NULL,
    AsstNurseID2 varchar(20) NULL,
    ANOthers varchar(255) NULL,
    OtherSurgeons varchar(255) NULL,
    AROD varchar(15) NULL,
    SurgeonSignID varchar(20) NULL,
    SurgeonDateSign datetime NULL,
    ASurgeonSignID varchar(20) NULL,
    ASurgeonDateSign datetime NULL,
    AnestSignID varchar(20) NULL,
    AnesDateSign datetime NULL,
    CNurseSignID varchar(20) NULL,
    CnurseDateSign datetime NULL,
    SNurseSignID varchar(20) NULL,
    SnurseDateSign datetime NULL,
    OperationDate datetime NULL,
    OperationDateEnd datetime NULL,
    PatientIn datetime NULL,
    PatientOut datetime NULL,
    AnesthesiaDate datetime NULL,
    AnesthesiaTime datetime NULL,
    CuttingDate datetime NULL,
    OperationTime1 datetime NULL,
    ClosingDate datetime NULL,
    OperationTime2 datetime NULL,
    AnesDoneDate datetime NULL,
    AnesthesiaEndTime datetime NULL,
    Procedures varchar(1000) NULL,
    SpecificDesc varchar(1000) NULL,
    OperationProposed varchar(1000) NULL,
    ProphyLaxis varchar(255) NULL,
    Remarks varchar(1000) NULL,
    Category varchar(1) NULL,
    preopdxlat varchar(1) NULL,
    postopdxlat varchar(1) NULL,
    opperformedlat varchar(1) NULL,
    prod text NULL,
    psod text NULL,
    procnd text NULL,
    psoc text NULL,
    meds text NULL,
    drains text NULL,
    PF text NULL,
    ot text NULL,
    Opfindings text NULL,
    FoodIntake varchar(100) NULL,
    ManualORNo varchar(20) NULL,
    TotalFluids varchar(50) NULL,
    BloodLoss varchar(50) NULL,
    BloodProducts varchar(255) NULL,
    PreOPBP varchar(10) NULL,
    PreOPTemp varchar(10) NULL,
    PreOPPR varchar(10) NULL,
    PreOPRR varchar(10) NULL,
    PreOPHR varchar(10) NULL,
    PreOPO2Sat varchar(10) NULL,
    PreOPWt varchar(10) NULL,
    PostOPBP varchar(10) NULL,
    PostOPO2Sat varchar(10) NULL,
    PostOPPR varchar(10) NULL,
    PostOPRR varchar(10) NULL,
    PostOPStatus varchar(255) NULL,
    PostOPTO varchar(50) NULL,
    SystemReview text NULL,
    Premedication varchar(1000) NULL,
    Inductions varchar(1000) NULL,
    Maintenance varchar(1000) NULL,
    AnestheticAgent varchar(255) NULL,
    Instrument varchar(20) NULL,
    Sutures varchar(20) NULL,
    SuturesText varchar(1000) NULL,
    InstrumentsInitial varchar(20) NULL,
    InstrumentsFinal varchar(20) NULL,
    Sponge4 varchar(10) NULL,
    Sponge4Final varchar(10) NULL,
    Sponge8 varchar(10) NULL,
    Sponge8Final varchar(10) NULL,
    Peanuts varchar(10) NULL,
    PeanutsFinal varchar(10) NULL,
    VisceralPack varchar(10) NULL,
    VisceralPackFinal varchar(10) NULL,
    Needles varchar(10) NULL,
    NeedlesFinal varchar(10) NULL,
    SpecimenInDate datetime NULL,
    SpecimenInTime datetime NULL,
    SpecimenOutDate datetime NULL,
    SpecimenOutTime datetime NULL,
    SpecimenText text NULL,
    Specimen2 text NULL,
    SuturesText2 text NULL,
    CountOS varchar(3) NULL,
    CountAP varchar(3) NULL,
    Verifiers varchar(150) NULL,
    -- Obstetric and newborn part of the surgical memorandum. The window saves these
    -- empty when the procedure is not post-partum, so they are kept as typed text.
    Menarche varchar(30) NULL,
    LMP varchar(30) NULL,
    Babyout varchar(30) NULL,
    PlacentaOut varchar(30) NULL,
    TimeOfInduction varchar(30) NULL,
    Gravida varchar(10) NULL,
    Para varchar(10) NULL,
    Abortion varchar(10) NULL,
    Living varchar(10) NULL,
    FDIU varchar(10) NULL,
    StillBirth varchar(10) NULL,
    Gender varchar(10) NULL,
    BirthWeight varchar(20) NULL,
    BodyLength varchar(20) NULL,
    ApgarScore varchar(20) NULL,
    SMAnd varchar(50) NULL,
    VaginalPack varchar(20) NULL,
    PresentationCBF varchar(1) NULL,
    PresentationDS varchar(1) NULL,
    Episiotomy varchar(1) NULL,
    EpisiotomyDegree varchar(1) NULL,
    PRIMARY KEY (OperatingNum)
)
GO
CREATE INDEX IX_tbORMasterFile_IDNUM ON STATION..tbORMasterFile (IDNUM, ProcedureID)
GO
CREATE INDEX IX_tbORMasterFile_REFNUM ON STATION..tbORMasterFile (REFNUM)
GO
CREATE INDEX IX_tbORMasterFile_OperationDate ON STATION..tbORMasterFile (OperationDate)
GO

-- Sponge and other counts of the operative chart. The program inserts without a
-- column list, so the eleven columns and their order are fixed:
-- idnum, Column1..Column7, row number, operatingnum, type (1 sponges, 2 other counts).
CREATE TABLE STATION..tbspongecount (
    IDNUM varchar(15) NOT NULL,
    Column1 varchar(50) NULL,
    Column2 varchar(10) NULL,
    Column3 varchar(10) NULL,
    Column4 varchar(10) NULL,
    Column5 varchar(10) NULL,
    Column6 varchar(10) NULL,
    Column7 varchar(10) NULL,
    RowNum int NOT NULL,
    OPERATINGNUM int NOT NULL,
    TYPE int NOT NULL,
    PRIMARY KEY (IDNUM, OPERATINGNUM, TYPE, RowNum)
)
GO

-- Row-by-row sponge count of the surgical memorandum (sp_OR_SaveSpongeCount).
CREATE TABLE STATION..tbORSpongeRecords (
    SpongeRecordID int IDENTITY(1,1) NOT NULL,
    OperatingNum int NULL,
    HospNum varchar(15) NULL,
    IdNum varchar(15) NULL,
    CounterStaff varchar(100) NULL,
    OperationPerformed varchar(1000) NULL,
    EntryNum int NULL,
    Sponge varchar(100) NULL,
    FirstCountOnTable int NULL DEFAULT 0,
    FirstCountOnFloor int NULL DEFAULT 0,
    FirstCountTotal int NULL DEFAULT 0,
    SecondCountOnTable int NULL DEFAULT 0,
    SecondCountOnFloor int NULL DEFAULT 0,
    SecondCountTotal int NULL DEFAULT 0,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (SpongeRecordID)
)
GO
CREATE INDEX IX_tbORSpongeRecords_OperatingNum ON STATION..tbORSpongeRecords (OperatingNum, EntryNum)
GO
CREATE INDEX IX_tbORSpongeRecords_IdNum ON STATION..tbORSpongeRecords (IdNum)
GO

-- Procedure classes of the surgical memorandum, keyed by procedure code.
CREATE TABLE STATION..tbIsForPostPartum (
    PrcID varchar(20) NOT NULL,
    Description varchar(255) NULL,
    PRIMARY KEY (PrcID)
)
GO

CREATE TABLE STATION..tbIsCesareanPRC (
    PrcID varchar(20) NOT NULL,
    Description varchar(255) NULL,
    PRIMARY KEY (PrcID)
)
GO

-- Crew of a cardiovascular (CVOR) case (LoadCVORInfo / UpdateCVORInfo).
CREATE TABLE STATION..tbCVORInfo (
    CVORID int IDENTITY(1,1) NOT NULL,
    IdNum varchar(15) NULL,
    RefNum varchar(20) NULL,
    ItemID varchar(20) NULL,
    TransDate datetime NULL,
    Surgeon varchar(15) NULL,
    AsstSurgeon varchar(15) NULL,
    Anesthesiologist varchar(15) NULL,
    AssocAnest varchar(15) NULL,
    Intensivist varchar(15) NULL,
    Perfutionist varchar(15) NULL,
    ScrubNurse1 varchar(20) NULL,
    ScrubNurse2 varchar(20) NULL,
    Circulator1 varchar(20) NULL,
    Circulator2 varchar(20) NULL,
    UserID varchar(20) NULL,
    UpdateDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (CVORID)
)
GO
CREATE INDEX IX_tbCVORInfo_Case ON STATION..tbCVORInfo (IdNum, RefNum, ItemID)
GO

-- Surgical safety checklist: one row per IDNum. ChkBoxes packs the thirty checks.
CREATE TABLE STATION..tbORSSC (
    IDNum varchar(15) NOT NULL,
    SurgeonSignIn varchar(100) NULL,
    AnesthesiologistSignIn varchar(100) NULL,
    NurseSignIn varchar(100) NULL,
    SurgeonTimeOut varchar(100) NULL,
    AnesthesiologistTimeOut varchar(100) NULL,
    NurseTimeOut varchar(100) NULL,
    SurgeonSignOut varchar(100) NULL,
    AnesthesiologistSignOut varchar(100) NULL,
    NurseSignOut varchar(100) NULL,
    Operation varchar(255) NULL,
    SignIn datetime NULL,
    TimeOut datetime NULL,
    SignOut datetime NULL,
    ChkBoxes varchar(200) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (IDNum)
)
GO

-- Nurse's pre-operative checklist: one row per IDNum; multi-valued fields packed with ":;".
CREATE TABLE STATION..tbNursePreOp (
    IDNum varchar(15) NOT NULL,
    Surgeon varchar(100) NULL,
    Anesthesiologist varchar(100) NULL,
    TimeSched varchar(30) NULL,
    DateSched varchar(30) NULL,
    Operation varchar(255) NULL,
    Spiritual varchar(255) NULL,
    ByWhom varchar(100) NULL,
    YesNo varchar(255) NULL,
    Remarks text NULL,
    Medicine varchar(1000) NULL,
    Dose varchar(500) NULL,
    Time varchar(500) NULL,
    Signs varchar(500) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (IDNum)
)
GO

-- Pre-anaesthetic evaluation: one row per IDNum; multi-valued fields packed with ":;".
CREATE TABLE STATION..tbNursePreAnesthetic (
    IDNum varchar(15) NOT NULL,
    Surgeon varchar(100) NULL,
    Anesthesiologist varchar(100) NULL,
    TimeSched varchar(30) NULL,
    DateSched varchar(30) NULL,
    Operation varchar(255) NULL,
    PreOperative varchar(1000) NULL,
    YesNo varchar(500) NULL,
    Remarks text NULL,
    OtherBoxes varchar(500) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (IDNum)
)
GO

-- Fluid intake and output: one row per patient, day and shift (0 to 3); values as typed.
CREATE TABLE STATION..tbNurseFluid (
    IDNum varchar(15) NOT NULL,
    DateEntered datetime NOT NULL,
    Shift int NOT NULL,
    Oral varchar(20) NULL,
    Parenteral varchar(20) NULL,
    InputTotal varchar(20) NULL,
    Urine varchar(20) NULL,
    Drainage varchar(20) NULL,
    Others varchar(20) NULL,
    OutputTotal varchar(20) NULL,
    NurseID varchar(20) NULL,
    Transdate datetime NULL DEFAULT GETDATE(),
    Hostname varchar(50) NULL,
    PRIMARY KEY (IDNum, DateEntered, Shift)
)
GO

-- Consent forms: one row per admission each.
CREATE TABLE STATION..tbSurgicalAuthorization (
    IDNum varchar(15) NOT NULL,
    Surgeon varchar(100) NULL,
    Exception varchar(500) NULL,
    Witness varchar(100) NULL,
    DateSigned datetime NULL,
    Reason varchar(500) NULL,
    Representative varchar(100) NULL,
    Relation varchar(50) NULL,
    Operation varchar(255) NULL,
    Transdate datetime NULL DEFAULT GETDATE(),
    HostName varchar(50) NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (IDNum)
)
GO

CREATE TABLE STATION..tbConsentTreatment (
    IDNum varchar(15) NOT NULL,
    Witness varchar(100) NULL,
    DateSigned datetime NULL,
    Reason varchar(500) NULL,
    Representative varchar(100) NULL,
    Relation varchar(50) NULL,
    Transdate datetime NULL DEFAULT GETDATE(),
    HostName varchar(50) NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (IDNum)
)
GO

-- The window saves the surgeon and the operation into Doctor and [Procedure] but loads
-- them from Surgeon and Operation, so both pairs exist.
CREATE TABLE STATION..tbSpecialTreatmentConsent (
    IDnum varchar(15) NOT NULL,
    Doctor varchar(100) NULL,
    [Procedure] varchar(255) NULL,
    Surgeon varchar(100) NULL,
    Operation varchar(255) NULL,
    Witness varchar(100) NULL,
    Reason varchar(500) NULL,
    Representative varchar(100) NULL,
    Relation varchar(50) NULL,
    MinorAge varchar(10) NULL,
    Transdate datetime NULL DEFAULT GETDATE(),
    HostName varchar(50) NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (IDnum)
)
GO

CREATE TABLE STATION..tbSterilizationConsent (
    IDnum varchar(15) NOT NULL,
    [Procedure] varchar(255) NULL,
    Witness varchar(100) NULL,
    Authorized varchar(100) NULL,
    ConsentingSpouse varchar(100) NULL,
    Transdate datetime NULL DEFAULT GETDATE(),
    HostName varchar(50) NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (IDnum)
)
GO

-- Death details of an emergency patient: one row per hospital number. DeathType 'D' or 'N'.
CREATE TABLE STATION..tbERDeathMaster (
    Hospnum varchar(15) NOT NULL,
    DeathType varchar(1) NULL,
    DateTimeExpired datetime NULL,
    DateTimeReleased datetime NULL,
    FuneralParlor varchar(150) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (Hospnum)
)
GO

-- Vital signs. TransNum is handed out by the server (Nurse_UpdateVitalSigns).
CREATE TABLE STATION..tbNurseVitalSigns (
    TransNum int IDENTITY(1,1) NOT NULL,
    IDNUM varchar(15) NULL,
    TRANSDATE datetime NULL,
    BP varchar(10) NULL,
    TEMPERATURE varchar(10) NULL,
    PULSERATE varchar(10) NULL,
    RESPRATE varchar(10) NULL,
    O2Sat varchar(10) NULL,
    NInitial varchar(20) NULL,
    Protocol varchar(50) NULL,
    ProcItemID varchar(20) NULL,
    ScheduleTime datetime NULL,
    Remarks varchar(255) NULL,
    Remarks2 varchar(255) NULL,
    Status varchar(10) NULL,
    UserID varchar(20) NULL,
    EntryDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (TransNum)
)
GO
CREATE INDEX IX_tbNurseVitalSigns_IDNUM ON STATION..tbNurseVitalSigns (IDNUM, TRANSDATE)
GO

-- Nurses' notes. TransNum is handed out by the server (Nurse_SaveNursingNotes).
CREATE TABLE STATION..tbNurseNotes (
    TransNum int IDENTITY(1,1) NOT NULL,
    IdNum varchar(15) NULL,
    NoteDate datetime NULL,
    Shift varchar(20) NULL,
    Notes text NULL,
    UserID varchar(20) NULL,
    StationID varchar(10) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (TransNum)
)
GO
CREATE INDEX IX_tbNurseNotes_IdNum ON STATION..tbNurseNotes (IdNum, NoteDate)
GO

-- Nursing shifts offered on the chart (Status '1').
CREATE TABLE STATION..tbNurseShifts (
    Shift varchar(20) NOT NULL,
    Description varchar(50) NULL,
    Status varchar(1) NULL DEFAULT '1'
)
GO
CREATE INDEX IX_tbNurseShifts_Shift ON STATION..tbNurseShifts (Shift)
GO

-- Nursing profile check boxes and physical examination of an admission.
-- PSH1..PSH3 are the past-surgical-history boxes.
CREATE TABLE STATION..tbNurseProfile (
    Hospnum varchar(15) NOT NULL,
    IDNum varchar(15) NOT NULL,
    M1 bit NULL DEFAULT 0,
    M2 bit NULL DEFAULT 0,
    M3 bit NULL DEFAULT 0,
    F1 bit NULL DEFAULT 0,
    F2 bit NULL DEFAULT 0,
    F3 bit NULL DEFAULT 0,
    F4 bit NULL DEFAULT 0,
    F5 bit NULL DEFAULT 0,
    F6 bit NULL DEFAULT 0,
    F7 bit NULL DEFAULT 0,
    O1 bit NULL DEFAULT 0,
    O2 bit NULL DEFAULT 0,
    PH1 bit NULL DEFAULT 0,
    PH2 bit NULL DEFAULT 0,
    PH3 bit NULL DEFAULT 0,
    PH4 bit NULL DEFAULT 0,
    FH1 bit NULL DEFAULT 0,
    FH2 bit NULL DEFAULT 0,
    FH3 bit NULL DEFAULT 0,
    FH4 bit NULL DEFAULT 0,
    PSH1 bit NULL DEFAULT 0,
    PSH2 bit NULL DEFAULT 0,
    PSH3 bit NULL DEFAULT 0,
    PEskin varchar(500) NULL,
    PEheadneck varchar(500) NULL,
    PEthorax varchar(500) NULL,
    PEabdomen varchar(500) NULL,
    PEextremeties varchar(500) NULL,
    PElympnodes varchar(500) NULL,
    PEgenitalia varchar(500) NULL,
    PErectal varchar(500) NULL,
    PEneurological varchar(500) NULL,
    PEOthers varchar(500) NULL,
    BriefHistory text NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (Hospnum, IDNum)
)
GO
CREATE INDEX IX_tbNurseProfile_IDNum ON STATION..tbNurseProfile (IDNum)
GO

-- Lists of active exams for the chart's request lists, one per department
-- (views over the exam code tables on the hospital's server; tables here).
-- Each row: the exam code, its name, the department, its section, Status 'A' active.
CREATE TABLE STATION..LaboratoryExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'LB',
    SectionCode varchar(10) NULL,
    Common char(1) NULL DEFAULT 'N',
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

CREATE TABLE STATION..XrayExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'XR',
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

CREATE TABLE STATION..UltraExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'US',
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

-- Other-revenue exams of every other section; RevenueID is the section code.
CREATE TABLE STATION..OtherExams (
    RevenueID varchar(10) NOT NULL,
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (RevenueID, ItemID)
)
GO

CREATE TABLE STATION..PTExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'PT',
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

CREATE TABLE STATION..CTExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'CT',
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

CREATE TABLE STATION..RTSExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'PA',
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

CREATE TABLE STATION..AudioExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'AU',
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

CREATE TABLE STATION..HSExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'HS',
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

CREATE TABLE STATION..NuclearExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'NU',
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO

CREATE TABLE STATION..NeuroExams (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    RevenueID varchar(10) NULL DEFAULT 'NE',
    SectionCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO


-- ===========================================================================
-- DATABASE PATIENT_DATA
-- ===========================================================================

-- Hospital information: one row, read with SELECT * (first row only).
CREATE TABLE PATIENT_DATA..tbHospitalInfo (
    Company varchar(150) NULL,
    Address1 varchar(255) NULL,
    Address2 varchar(255) NULL,
    PhoneNum varchar(50) NULL,
    clientname varchar(20) NULL,
    MTSServerName varchar(50) NULL,
    Bygeneric bit NULL DEFAULT 0,
    PSIOxygenComputationType smallint NULL DEFAULT 0,
    CashStatRate float NULL DEFAULT 0,
    chargeStatRate float NULL DEFAULT 0,
    CutoffClearanceTime datetime NULL,
    IsNursePrint bit NULL DEFAULT 0,
    IsLBDirectCharging bit NULL DEFAULT 0,
    IsXRDirectCharging bit NULL DEFAULT 0,
    IsUSDirectCharging bit NULL DEFAULT 0,
    IsCTDirectCharging bit NULL DEFAULT 0,
    IsHSDirectCharging bit NULL DEFAULT 0,
    IsShowAmount bit NULL DEFAULT 0,
    IsPrintChargeSlip bit NULL DEFAULT 0,
    IsCutoffClearance bit NULL DEFAULT 0,
    IsValidateRoomTransfer bit NULL DEFAULT 0,
    IsShowBillClaimSlip bit NULL DEFAULT 0,
    IsAllowRoomTransferWithPendingRequest bit NULL DEFAULT 0,
    IsAllowBillingCheckListEntry bit NULL DEFAULT 0,
    IsAllowZeroAmountForORProcedures bit NULL DEFAULT 0,
    IsAllowORPostChargesIfCashBasis bit NULL DEFAULT 0,
    IsAllowSupervisorCodeForCancellationOfCharges bit NULL DEFAULT 0,
    IsAllowPostReturnMedicinesInOR bit NULL DEFAULT 0,
    IsAllowClinicalAssessmentWithoutValidation bit NULL DEFAULT 0,
    IsAllowEntryOfReasonForCancellation bit NULL DEFAULT 0,
    IsAllowByPassClinicalDepartmentCashBasis bit NULL DEFAULT 0,
    isallowopenclosetank bit NULL DEFAULT 0,
    isstat bit NULL DEFAULT 0,
    AllowZeroOnHand bit NULL DEFAULT 0,
    isORTechPrint bit NULL DEFAULT 0,
    isListCost bit NULL DEFAULT 0,
    IsCompanyPrice bit NULL DEFAULT 0,
    IsAllowEditAmount bit NULL DEFAULT 0,
    IsAllowTaggingORPrc bit NULL DEFAULT 0,
    IsShowMarkUp bit NULL DEFAULT 0,
    IsAllowOREntry bit NULL DEFAULT 0,
    IsAntiBiotic bit NULL DEFAULT 0,
    isAllowLowerUnitPrice bit NULL DEFAULT 0,
    blnRequireRadioReason bit NULL DEFAULT 0,
    HighAlert bit NULL DEFAULT 0,
    IsAllowOPDShowLabSpecimen bit NULL DEFAULT 0,
    OREditSchedProcedure bit NULL DEFAULT 0,
    OR_AllowEditScheduleDateTime bit NULL DEFAULT 0,
    VSAllowINC bit NULL DEFAULT 0
)
GO

-- Patient master: one row per person (hospital number).
CREATE TABLE PATIENT_DATA..tbmaster (
    HOSPNUM varchar(15) NOT NULL,
    OldHospNum varchar(15) NULL,
    Lastname varchar(50) NULL,
    Firstname varchar(50) NULL,
    Middlename varchar(50) NULL,
    Sex char(1) NULL,
    BirthDate datetime NULL,
    CivilStatus varchar(20) NULL,
    BloodType varchar(10) NULL,
    HouseStreet varchar(150) NULL,
    Barangay varchar(100) NULL,
    Town varchar(100) NULL,
    Province varchar(100) NULL,
    PhoneNum varchar(50) NULL,
    Religion varchar(50) NULL,
    Nationality varchar(50) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (HOSPNUM)
)
GO
CREATE INDEX IX_tbmaster_Name ON PATIENT_DATA..tbmaster (Lastname, Firstname)
GO

CREATE TABLE PATIENT_DATA..tbMasterAllergies (
    Hospnum varchar(15) NOT NULL,
    AllergyID1 varchar(10) NULL,
    AllergyID2 varchar(10) NULL,
    AllergyID3 varchar(10) NULL,
    AllergyID4 varchar(10) NULL,
    AllergyID5 varchar(10) NULL,
    Others varchar(500) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (Hospnum)
)
GO

-- In-patient admissions. DCRDATE NULL while not discharged; BillingDate set when the account is closed.
CREATE TABLE PATIENT_DATA..tbPatient (
    IDNUM varchar(15) NOT NULL,
    HospNum varchar(15) NOT NULL,
    AdmDate datetime NULL,
    DCRDATE datetime NULL,
    BillingDate datetime NULL,
    RoomID varchar(15) NULL,
    RoomRate money NULL,
    StationID varchar(10) NULL,
    ACCOUNTNUM varchar(20) NULL,
    ACCOUNTNUMII varchar(20) NULL,
    AttendingDr1 varchar(15) NULL,
    AttendingDr2 varchar(15) NULL,
    AttendingDr3 varchar(15) NULL,
    AttendingDr4 varchar(15) NULL,
    AttendingDr5 varchar(15) NULL,
    AdmittingDr varchar(15) NULL,
    ReferringDr varchar(15) NULL,
    Height varchar(10) NULL,
    Weight varchar(10) NULL,
    isCVOR bit NULL DEFAULT 0,
    LateCharges bit NULL DEFAULT 0,
    PharmaSeniorDiscounted bit NULL DEFAULT 0,
    PrecautionID varchar(5) NULL,
    RecordStatus varchar(1) NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (IDNUM)
)
GO
CREATE INDEX IX_tbPatient_HospNum ON PATIENT_DATA..tbPatient (HospNum)
GO
CREATE INDEX IX_tbPatient_AdmDate ON PATIENT_DATA..tbPatient (AdmDate)
GO
CREATE INDEX IX_tbPatient_DCRDATE ON PATIENT_DATA..tbPatient (DCRDATE)
GO
CREATE INDEX IX_tbPatient_StationID ON PATIENT_DATA..tbPatient (StationID)
GO

-- Further admission details; the Okey* flags allow a cash-basis account to be served by a department.
CREATE TABLE PATIENT_DATA..tbpatient2 (
    IDNum varchar(15) NOT NULL,
    PackageID varchar(20) NULL,
    transplantID varchar(1) NULL DEFAULT '0',
    dialysisID varchar(1) NULL DEFAULT '0',
    VIP bit NULL DEFAULT 0,
    CreditLine money NULL DEFAULT 0,
    PatientClass varchar(1) NULL,
    AdmissiontypeID varchar(5) NULL,
    DietID varchar(10) NULL,
    CashBasis bit NULL DEFAULT 0,
    PatientsMed bit NULL DEFAULT 0,
    OkeyOR bit NULL DEFAULT 0,
    OkeyLab bit NULL DEFAULT 0,
    OkeyXray bit NULL DEFAULT 0,
    OkeyUltra bit NULL DEFAULT 0,
    OkeyCT bit NULL DEFAULT 0,
    okeymammo bit NULL DEFAULT 0,
    OkeyHS bit NULL DEFAULT 0,
    OkeyPT bit NULL DEFAULT 0,
    OkeyRTS bit NULL DEFAULT 0,
    OkeyNU bit NULL DEFAULT 0,
    OkeyAU bit NULL DEFAULT 0,
    PRIMARY KEY (IDNum)
)
GO

-- Out-patient and emergency visits (visit number ends with 'B').
-- OPDStatus: E, D, A (for admission), M, F, R (revoked), S, K, X; OPDType 'O' or 'N'.
CREATE TABLE PATIENT_DATA..tbOutPatient (
    IDNUM varchar(15) NOT NULL,
    HospNum varchar(15) NOT NULL,
    ERNum varchar(15) NULL,
    ACCOUNTNUM varchar(20) NULL,
    OPDStatus varchar(1) NULL,
    OPDType varchar(1) NULL,
    PatientType varchar(1) NULL,
    AdmDate datetime NULL,
    DCRDATE datetime NULL,
    BillingDate datetime NULL,
    AttendingDr1 varchar(15) NULL,
    StationID varchar(10) NULL,
    PackageID varchar(20) NULL,
    DietID varchar(10) NULL,
    PrecautionID varchar(5) NULL,
    isCVOR bit NULL DEFAULT 0,
    LateCharges bit NULL DEFAULT 0,
    RECORDSTATUS varchar(1) NULL DEFAULT '',
    UserID varchar(20) NULL,
    PRIMARY KEY (IDNUM)
)
GO
CREATE INDEX IX_tbOutPatient_HospNum ON PATIENT_DATA..tbOutPatient (HospNum)
GO
CREATE INDEX IX_tbOutPatient_AdmDate ON PATIENT_DATA..tbOutPatient (AdmDate)
GO
CREATE INDEX IX_tbOutPatient_ERNum ON PATIENT_DATA..tbOutPatient (ERNum)
GO

-- Admission history (precautions, brief history, examination, admitting diagnosis).
CREATE TABLE PATIENT_DATA..tbPatientHistory (
    IDNum varchar(15) NOT NULL,
    Precautions varchar(500) NULL,
    ChiefComplaint text NULL,
    BriefHistory text NULL,
    PhysicalExamination text NULL,
    ADMDiagnosis text NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (IDNum)
)
GO

-- Out-patient visit history, written also by sp_OR_UpdateOPDHistory.
CREATE TABLE PATIENT_DATA..tbOutpatientHistory (
    IDNum varchar(15) NOT NULL,
    HospNum varchar(15) NULL,
    Precautions varchar(500) NULL,
    ChiefComplaint text NULL,
    ChiefComplaints text NULL,
    ChiefComplaintID1 varchar(20) NULL,
    ChiefComplaintID2 varchar(20) NULL,
    ChiefComplaintID3 varchar(20) NULL,
    BriefHistory text NULL,
    Service1 varchar(20) NULL,
    Service2 varchar(20) NULL,
    Service3 varchar(20) NULL,
    Service4 varchar(20) NULL,
    Service5 varchar(20) NULL,
    Doctor1 varchar(15) NULL,
    Doctor2 varchar(15) NULL,
    Doctor3 varchar(15) NULL,
    Doctor4 varchar(15) NULL,
    Doctor5 varchar(15) NULL,
    Diagnosis1 varchar(255) NULL,
    Diagnosis2 varchar(255) NULL,
    Diagnosis3 varchar(255) NULL,
    Diagnosis4 varchar(255) NULL,
    Diagnosis5 varchar(255) NULL,
    Findings text NULL,
    Medications text NULL,
    OPDHistory text NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (IDNum)
)
GO

-- Emergency-room details of a visit.
CREATE TABLE PATIENT_DATA..tbERMaster (
    IDNum varchar(15) NOT NULL,
    HospNum varchar(15) NULL,
    ERNum varchar(15) NULL,
    ERClassID1 varchar(10) NULL,
    ERClassID2 varchar(10) NULL,
    ERClassID3 varchar(10) NULL,
    ERClassID4 varchar(10) NULL,
    ERClassID5 varchar(10) NULL,
    ERClassification varchar(10) NULL,
    DischargeRemarks varchar(1000) NULL,
    DischargeCondition varchar(5) NULL,
    DateTimeTransferred datetime NULL,
    ReasonofReferral varchar(500) NULL,
    ReferredTo varchar(255) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (IDNum)
)
GO
CREATE INDEX IX_tbERMaster_HospNum ON PATIENT_DATA..tbERMaster (HospNum)
GO

-- Requests to the admitting office to admit an emergency patient. RecordStatus '' / NULL pending.
CREATE TABLE PATIENT_DATA..tbER_Admitting_Communication (
    CommID int IDENTITY(1,1) NOT NULL,
    HospNum varchar(15) NOT NULL,
    OPDIDNum varchar(15) NULL,
    requestdate datetime NULL DEFAULT GETDATE(),
    RecordStatus varchar(1) NULL DEFAULT '',
    Remarks varchar(500) NULL,
    UserID varchar(20) NULL,
    ProcessBy varchar(20) NULL,
    ProcessDate datetime NULL,
    PRIMARY KEY (CommID)
)
GO
CREATE INDEX IX_tbER_Admitting_Communication_HospNum ON PATIENT_DATA..tbER_Admitting_Communication (HospNum, OPDIDNum)
GO

-- Final diagnoses of an admission; PRIMARYDIAGNOSIS 'Y' for order 1.
CREATE TABLE PATIENT_DATA..TBPATIENTDIAGNOSIS (
    IDNUM varchar(15) NOT NULL,
    ORDERNUMBER int NOT NULL,
    DIAGNOSISID varchar(20) NULL,
    PRIMARYDIAGNOSIS varchar(1) NULL,
    PRIMARY KEY (IDNUM, ORDERNUMBER)
)
GO


-- ===========================================================================
-- DATABASE BUILD_FILE
-- ===========================================================================

CREATE TABLE BUILD_FILE..TBCOSTATION (
    StationID varchar(10) NOT NULL,
    Station varchar(100) NULL,
    DepartmentCode varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (StationID)
)
GO
CREATE INDEX IX_TBCOSTATION_DepartmentCode ON BUILD_FILE..TBCOSTATION (DepartmentCode)
GO

-- Ward rooms; the room class letter is the patient's rate class.
CREATE TABLE BUILD_FILE..tbCoRoom (
    RoomID varchar(15) NOT NULL,
    RoomClassID varchar(1) NULL,
    StationID varchar(10) NULL,
    RoomRate money NULL DEFAULT 0,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (RoomID)
)
GO
CREATE INDEX IX_tbCoRoom_StationID ON BUILD_FILE..tbCoRoom (StationID)
GO

-- Holidays answered by Build_GetHolidayToday.
CREATE TABLE BUILD_FILE..tbCoHoliday (
    HolidayDate datetime NOT NULL,
    HolidayName varchar(100) NULL,
    HolidayGreeting varchar(500) NULL,
    PRIMARY KEY (HolidayDate)
)
GO

CREATE TABLE BUILD_FILE..tbCoDoctor (
    DoctorID varchar(15) NOT NULL,
    LastName varchar(50) NULL,
    FirstName varchar(50) NULL,
    MiddleName varchar(50) NULL,
    Specialty varchar(100) NULL,
    UserID varchar(20) NULL,
    PHICRole varchar(10) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (DoctorID)
)
GO
CREATE INDEX IX_tbCoDoctor_Name ON BUILD_FILE..tbCoDoctor (LastName, FirstName)
GO
CREATE INDEX IX_tbCoDoctor_UserID ON BUILD_FILE..tbCoDoctor (UserID)
GO

-- Doctor's bill items (doctors' meals and fees); Status 1 active.
CREATE TABLE BUILD_FILE..tbCoDoctorBill (
    DoctorBillID int IDENTITY(1,1) NOT NULL,
    DoctorID varchar(15) NOT NULL,
    Description varchar(100) NULL,
    Amount money NULL DEFAULT 0,
    Status bit NULL DEFAULT 1,
    PRIMARY KEY (DoctorBillID)
)
GO
CREATE INDEX IX_tbCoDoctorBill_DoctorID ON BUILD_FILE..tbCoDoctorBill (DoctorID)
GO

-- Stored images of the hospital (doctors' signatures: TableName 'tbCoDoctor', FieldName 'Signature').
CREATE TABLE BUILD_FILE..tbDBImage (
    TableName varchar(50) NOT NULL,
    FieldName varchar(50) NOT NULL,
    IDKey varchar(20) NOT NULL,
    ImageFile varchar(255) NULL,
    PRIMARY KEY (TableName, FieldName, IDKey)
)
GO

CREATE TABLE BUILD_FILE..TBCOCOMPANY (
    ACCOUNTNUM varchar(20) NOT NULL,
    CompanyName varchar(150) NULL,
    Address varchar(255) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ACCOUNTNUM)
)
GO

CREATE TABLE BUILD_FILE..tbCoDiet (
    DietID varchar(10) NOT NULL,
    Diet varchar(100) NULL,
    Remark varchar(255) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (DietID)
)
GO

CREATE TABLE BUILD_FILE..tbCoChiefComplaint (
    ChiefComplaintID varchar(20) NOT NULL,
    ChiefComplaint varchar(255) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ChiefComplaintID)
)
GO

-- Precautions shown in the patient list in their window colour; PrecautionID '1'-'5'.
CREATE TABLE BUILD_FILE..tbCoPrecautions (
    PrecautionID varchar(5) NOT NULL,
    Precaution varchar(100) NULL,
    Color int NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (PrecautionID)
)
GO

CREATE TABLE BUILD_FILE..tbcoHospital (
    HospitalID varchar(20) NOT NULL,
    HospitalName varchar(150) NULL,
    Address varchar(255) NULL,
    PRIMARY KEY (HospitalID)
)
GO
CREATE INDEX IX_tbcoHospital_HospitalName ON BUILD_FILE..tbcoHospital (HospitalName)
GO

CREATE TABLE BUILD_FILE..tbCoVessel (
    vesselcode varchar(20) NOT NULL,
    vesselname varchar(150) NULL,
    PRIMARY KEY (vesselcode)
)
GO
CREATE INDEX IX_tbCoVessel_vesselname ON BUILD_FILE..tbCoVessel (vesselname)
GO

CREATE TABLE BUILD_FILE..tbcoPatientClass (
    Classification varchar(50) NOT NULL,
    Status bit NULL DEFAULT 1,
    PRIMARY KEY (Classification)
)
GO

CREATE TABLE BUILD_FILE..tbCoADmPackage (
    PackageID varchar(20) NOT NULL,
    Package varchar(150) NULL,
    Amount money NULL DEFAULT 0,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (PackageID)
)
GO

CREATE TABLE BUILD_FILE..tbExecPackageCode (
    PackageID varchar(20) NOT NULL,
    Description varchar(150) NULL,
    PRIMARY KEY (PackageID)
)
GO

-- Items of a package; LocationID '' / NULL = no stock location.
CREATE TABLE BUILD_FILE..tbCoPackageItems (
    PackageID varchar(20) NOT NULL,
    ItemID varchar(20) NOT NULL,
    RevenueID varchar(10) NULL,
    SummaryCode varchar(10) NULL,
    Quantity float NULL DEFAULT 1,
    Amount money NULL,
    LocationID varchar(10) NULL,
    PRIMARY KEY (PackageID, ItemID)
)
GO

-- Revenue codes of the charging departments ("OR", "PH", "CS", ...).
CREATE TABLE BUILD_FILE..tbCoRevenueCode (
    RevenueID varchar(10) NOT NULL,
    Description varchar(100) NULL,
    LocationID varchar(10) NULL,
    StockCardRevenueID varchar(10) NULL,
    Ispackage bit NULL DEFAULT 0,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (RevenueID)
)
GO

-- Other-revenue codes (procedures, fees, supplies) by section. SectionID 'PRC' marks a
-- tagged operating-room procedure ('' after untagging); Unrestricted 0 = restricted for cash basis.
CREATE TABLE BUILD_FILE..TbCoOtherRevenue (
    OtherSectionID varchar(10) NOT NULL,
    OtherRevenueID varchar(20) NOT NULL,
    OtherRevenue varchar(150) NULL,
    SectionID varchar(10) NULL DEFAULT '',
    ORsection varchar(20) NULL,
    FixRate varchar(1) NULL,
    Unrestricted bit NULL DEFAULT 1,
    RateA money NULL DEFAULT 0,
    RateB money NULL DEFAULT 0,
    RateC money NULL DEFAULT 0,
    RateD money NULL DEFAULT 0,
    RateE money NULL DEFAULT 0,
    RateF money NULL DEFAULT 0,
    RateG money NULL DEFAULT 0,
    RateH money NULL DEFAULT 0,
    RateI money NULL DEFAULT 0,
    Status char(1) NULL DEFAULT 'A',
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (OtherSectionID, OtherRevenueID)
)
GO
CREATE INDEX IX_TbCoOtherRevenue_OtherRevenueID ON BUILD_FILE..TbCoOtherRevenue (OtherRevenueID)
GO
CREATE INDEX IX_TbCoOtherRevenue_OtherRevenue ON BUILD_FILE..TbCoOtherRevenue (OtherSectionID, OtherRevenue)
GO

CREATE TABLE BUILD_FILE..tbCoORProcedures (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    PRIMARY KEY (ItemID)
)
GO

-- Laboratory exams. Stat 'Y'/'N'/''; Unrestricted 0 = restricted for cash basis.
CREATE TABLE BUILD_FILE..tbcoLabExam (
    LabExamID varchar(20) NOT NULL,
    LabExam varchar(150) NULL,
    LabSectionID varchar(10) NULL,
    SpecimenID varchar(10) NULL,
    Stat varchar(1) NULL,
    Unrestricted bit NULL DEFAULT 1,
    Isprocedure bit NULL DEFAULT 0,
    Openquantity bit NULL DEFAULT 0,
    MaxQty int NULL,
    RateA money NULL DEFAULT 0,
    RateB money NULL DEFAULT 0,
    RateC money NULL DEFAULT 0,
    RateD money NULL DEFAULT 0,
    RateE money NULL DEFAULT 0,
    RateF money NULL DEFAULT 0,
    RateG money NULL DEFAULT 0,
    RateH money NULL DEFAULT 0,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (LabExamID)
)
GO

CREATE TABLE BUILD_FILE..tbCoXrayExam (
    XrayexamID varchar(20) NOT NULL,
    XrayExam varchar(150) NULL,
    Unrestricted bit NULL DEFAULT 1,
    Isprocedure bit NULL DEFAULT 0,
    Openquantity bit NULL DEFAULT 0,
    MaxQty int NULL,
    RateA money NULL DEFAULT 0,
    RateB money NULL DEFAULT 0,
    RateC money NULL DEFAULT 0,
    RateD money NULL DEFAULT 0,
    RateE money NULL DEFAULT 0,
    RateF money NULL DEFAULT 0,
    RateG money NULL DEFAULT 0,
    RateH money NULL DEFAULT 0,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (XrayexamID)
)
GO

CREATE TABLE BUILD_FILE..tbCoultraExam (
    UltraexamID varchar(20) NOT NULL,
    UltraExam varchar(150) NULL,
    Unrestricted bit NULL DEFAULT 1,
    Isprocedure bit NULL DEFAULT 0,
    Openquantity bit NULL DEFAULT 0,
    MaxQty int NULL,
    RateA money NULL DEFAULT 0,
    RateB money NULL DEFAULT 0,
    RateC money NULL DEFAULT 0,
    RateD money NULL DEFAULT 0,
    RateE money NULL DEFAULT 0,
    RateF money NULL DEFAULT 0,
    RateG money NULL DEFAULT 0,
    RateH money NULL DEFAULT 0,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (UltraexamID)
)
GO

-- ICD-10 diagnoses.
CREATE TABLE BUILD_FILE..tbicddiagmain (
    code varchar(20) NOT NULL,
    Description varchar(500) NULL,
    PRIMARY KEY (code)
)
GO


-- ===========================================================================
-- DATABASE SCHEDULE
-- ===========================================================================

-- Day-view parameters: one row. DayLength in hours, ScheduleIncrement in minutes.
CREATE TABLE SCHEDULE..tbORApplication (
    StartTime datetime NULL,
    DayLength int NULL DEFAULT 12,
    ScheduleIncrement int NULL DEFAULT 30
)
GO

-- Operating rooms. RoomID is a number (highest + 1); Status 'Y' active, 'X' inactive, NULL active.
CREATE TABLE SCHEDULE..tbORRoom (
    RoomID int NOT NULL,
    RoomName varchar(50) NULL,
    SortOrder int NULL DEFAULT 0,
    RevenueID varchar(10) NULL DEFAULT 'OR',
    Status varchar(1) NULL DEFAULT 'Y',
    PRIMARY KEY (RoomID)
)
GO
CREATE INDEX IX_tbORRoom_RoomName ON SCHEDULE..tbORRoom (RoomName)
GO

-- Operating-room procedures assigned to rooms.
CREATE TABLE SCHEDULE..tbProcedureRoom (
    Code varchar(20) NOT NULL,
    RoomID int NOT NULL,
    RoomName varchar(50) NULL,
    ProcedureDesc varchar(255) NULL,
    PRIMARY KEY (Code, RoomID)
)
GO
CREATE INDEX IX_tbProcedureRoom_RoomID ON SCHEDULE..tbProcedureRoom (RoomID)
GO

-- Schedule entries: requests from the stations and confirmed bookings (RecordStatus 'C').
-- TransNum is handed out by the server. Length in minutes (NULL counts as 0).
CREATE TABLE SCHEDULE..tbORScheduleDetails (
    TransNum int IDENTITY(1,1) NOT NULL,
    IDNUM varchar(15) NULL,
    HospNum varchar(15) NULL,
    PatientName varchar(150) NULL,
    PatientClass varchar(50) NULL,
    Age varchar(10) NULL,
    Sex varchar(1) NULL,
    RoomID int NULL,
    ScheduleDate datetime NULL,
    StartTime datetime NULL,
    Length int NULL,
    TimeTag varchar(20) NULL,
    ProcedureCode varchar(20) NULL,
    Description varchar(500) NULL,
    DoctorID1 varchar(15) NULL,
    DoctorID2 varchar(15) NULL,
    AsstSurgeon1 varchar(100) NULL,
    AsstSurgeon2 varchar(100) NULL,
    AsstSurgeon3 varchar(100) NULL,
    SNurse1 varchar(100) NULL,
    CNurse varchar(100) NULL,
    Remarks text NULL,
    RecordStatus varchar(1) NULL,
    RequestStationID varchar(10) NULL,
    RequestBy varchar(20) NULL,
    RequestDate datetime NULL,
    ConfirmBy varchar(20) NULL,
    ConfirmDate datetime NULL,
    RevokeBy varchar(20) NULL,
    RevokeDate datetime NULL,
    RevokeRemarks varchar(500) NULL,
    ORNotified varchar(1) NULL,
    ORNotifiedUser varchar(20) NULL,
    ORNotifiedDate datetime NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (TransNum)
)
GO
CREATE INDEX IX_tbORScheduleDetails_Room ON SCHEDULE..tbORScheduleDetails (RoomID, StartTime)
GO
CREATE INDEX IX_tbORScheduleDetails_StartTime ON SCHEDULE..tbORScheduleDetails (StartTime, RecordStatus)
GO
CREATE INDEX IX_tbORScheduleDetails_IDNUM ON SCHEDULE..tbORScheduleDetails (IDNUM)
GO
CREATE INDEX IX_tbORScheduleDetails_HospNum ON SCHEDULE..tbORScheduleDetails (HospNum)
GO
CREATE INDEX IX_tbORScheduleDetails_RecordStatus ON SCHEDULE..tbORScheduleDetails (RecordStatus)
GO


-- ===========================================================================
-- DATABASE INVENTORY
-- ===========================================================================

-- Stock locations: LocationID '20' pharmacy, '21' central supply; InventoryType 'C' central supply.
CREATE TABLE INVENTORY..tbInvLocation (
    LocationID varchar(10) NOT NULL,
    Location varchar(100) NULL,
    InventoryType varchar(1) NULL,
    PRIMARY KEY (LocationID)
)
GO

CREATE TABLE INVENTORY..tbinvantibioticclass (
    AntiBioticClassID varchar(10) NOT NULL,
    AntiBioticClass varchar(100) NULL,
    PRIMARY KEY (AntiBioticClassID)
)
GO

-- Drugs and supplies. Unrestricted 0 = restricted for cash basis.
CREATE TABLE INVENTORY..tbInvMaster (
    ItemID varchar(20) NOT NULL,
    ItemName varchar(150) NULL,
    GenericName varchar(150) NULL,
    Classification varchar(50) NULL,
    Unit varchar(20) NULL,
    Route varchar(50) NULL,
    SellingPrice money NULL DEFAULT 0,
    SellingPriceOut money NULL DEFAULT 0,
    CompanyPrice money NULL DEFAULT 0,
    Unrestricted bit NULL DEFAULT 1,
    AntiBioticClassID varchar(10) NULL,
    HighAlert bit NULL DEFAULT 0,
    Refrigerated bit NULL DEFAULT 0,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ItemID)
)
GO
CREATE INDEX IX_tbInvMaster_ItemName ON INVENTORY..tbInvMaster (ItemName)
GO

-- Stock on hand and company price of an item at a location (Drug_Invent, sp_Get_CompanyPrice).
CREATE TABLE INVENTORY..tbInvItemLocation (
    ItemID varchar(20) NOT NULL,
    LocationID varchar(10) NOT NULL,
    OnHand float NULL DEFAULT 0,
    CompanyPrice money NULL DEFAULT 0,
    PRIMARY KEY (ItemID, LocationID)
)
GO

-- Package rates by class A to E.
CREATE TABLE INVENTORY..tbInvPackage (
    packageid varchar(20) NOT NULL,
    Description varchar(150) NULL,
    RateA money NULL DEFAULT 0,
    RateB money NULL DEFAULT 0,
    RateC money NULL DEFAULT 0,
    RateD money NULL DEFAULT 0,
    RateE money NULL DEFAULT 0,
    PRIMARY KEY (packageid)
)
GO

-- Inventory switches; IDKey '89' is read by the charge entry.
CREATE TABLE INVENTORY..tbInvSwitch (
    IDKey varchar(10) NOT NULL,
    KeyValue int NULL DEFAULT 0,
    Description varchar(100) NULL,
    PRIMARY KEY (IDKey)
)
GO

-- Stock card: one row per stock movement charged to a patient. RefNum is the charge slip;
-- PackageID stays '' until the line is tagged; CreditMemoNum is set on return rows.
CREATE TABLE INVENTORY..tbInvStockcard (
    SequenceNumber int IDENTITY(1,1) NOT NULL,
    IDNum varchar(15) NULL,
    HospNum varchar(15) NULL,
    ItemID varchar(20) NULL,
    LocationID varchar(10) NULL,
    RevenueID varchar(10) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    RefNum varchar(20) NULL,
    Quantity float NULL DEFAULT 0,
    UnitPrice money NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    DosageID varchar(10) NULL,
    RequestByID varchar(15) NULL,
    RoomID varchar(15) NULL,
    PatientType varchar(1) NULL,
    PackageID varchar(20) NULL DEFAULT '',
    CreditMemoNum varchar(20) NULL,
    Remarks varchar(500) NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (SequenceNumber)
)
GO
CREATE INDEX IX_tbInvStockcard_RefNum ON INVENTORY..tbInvStockcard (RefNum, ItemID)
GO
CREATE INDEX IX_tbInvStockcard_IDNum ON INVENTORY..tbInvStockcard (IDNum, ItemID)
GO
CREATE INDEX IX_tbInvStockcard_CreditMemoNum ON INVENTORY..tbInvStockcard (CreditMemoNum)
GO
CREATE INDEX IX_tbInvStockcard_TransDate ON INVENTORY..tbInvStockcard (TransDate)
GO

-- Credit-memo and adjustment-slip counter of the stock card: a single keyless row.
CREATE TABLE INVENTORY..tbInvCMNum (
    CreditMemo int NULL DEFAULT 1,
    AdjustmentSlip int NULL DEFAULT 1
)
GO

-- Credit-memo print buffer (Pharma_EraseCM / Pharma_AppendCM / Pharma_GetCMPrint).
CREATE TABLE INVENTORY..tbInvCMPrint (
    LineID int IDENTITY(1,1) NOT NULL,
    UserID varchar(20) NULL,
    RefNum varchar(20) NULL,
    IdNum varchar(15) NULL,
    ItemID varchar(20) NULL,
    Description varchar(90) NULL,
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    ChargeSlip varchar(20) NULL,
    QtyIssued int NULL DEFAULT 0,
    DispenserName varchar(100) NULL,
    Encoder varchar(100) NULL,
    PRIMARY KEY (LineID)
)
GO
CREATE INDEX IX_tbInvCMPrint_RefNum ON INVENTORY..tbInvCMPrint (RefNum)
GO
CREATE INDEX IX_tbInvCMPrint_UserID ON INVENTORY..tbInvCMPrint (UserID, IdNum)
GO

-- Pharmacy returns and requests. RecordStatus ''/NULL pending, 'R' revoked; isPosted NULL = not dispensed.
CREATE TABLE INVENTORY..tbPharmaCommunication (
    CommID int IDENTITY(1,1) NOT NULL,
    IDNUM varchar(15) NULL,
    RevenueID varchar(10) NULL,
    ItemID varchar(20) NULL,
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    RefNum varchar(20) NULL,
    CreditMemoNum varchar(20) NULL,
    Remarks varchar(500) NULL,
    RECORDSTATUS varchar(1) NULL DEFAULT '',
    isPosted bit NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (CommID)
)
GO
CREATE INDEX IX_tbPharmaCommunication_IDNUM ON INVENTORY..tbPharmaCommunication (IDNUM, RECORDSTATUS)
GO


-- ===========================================================================
-- DATABASE BILLING
-- ===========================================================================

-- In-patient daily bill. TransType 'D' charge, 'C' reversal. RefNum + ItemID identify a posted line.
CREATE TABLE BILLING..tbBillDailyBill (
    BillID int IDENTITY(1,1) NOT NULL,
    IDNum varchar(15) NULL,
    HospNum varchar(15) NULL,
    RefNum varchar(20) NULL,
    ItemID varchar(20) NULL,
    RevenueID varchar(10) NULL,
    SummaryCode varchar(10) NULL,
    Description varchar(255) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    MarkUp float NULL DEFAULT 0,
    TransType varchar(1) NULL,
    RecordStatus varchar(1) NULL,
    PatientType varchar(1) NULL,
    RoomID varchar(15) NULL,
    Department varchar(50) NULL,
    DoctorID varchar(15) NULL,
    DoctorName varchar(150) NULL,
    ARCode varchar(20) NULL,
    PackageID varchar(20) NULL,
    SupervisorID varchar(20) NULL,
    Remarks varchar(500) NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (BillID)
)
GO
CREATE INDEX IX_tbBillDailyBill_RefNum ON BILLING..tbBillDailyBill (RefNum, ItemID)
GO
CREATE INDEX IX_tbBillDailyBill_IDNum ON BILLING..tbBillDailyBill (IDNum, TransDate)
GO
CREATE INDEX IX_tbBillDailyBill_TransDate ON BILLING..tbBillDailyBill (TransDate)
GO

-- Out-patient daily bill; same columns as the in-patient bill.
CREATE TABLE BILLING..tbBillOPDailyOut (
    BillID int IDENTITY(1,1) NOT NULL,
    IDNum varchar(15) NULL,
    HospNum varchar(15) NULL,
    RefNum varchar(20) NULL,
    ItemID varchar(20) NULL,
    RevenueID varchar(10) NULL,
    SummaryCode varchar(10) NULL,
    Description varchar(255) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    MarkUp float NULL DEFAULT 0,
    TransType varchar(1) NULL,
    RecordStatus varchar(1) NULL,
    PatientType varchar(1) NULL,
    RoomID varchar(15) NULL,
    Department varchar(50) NULL,
    DoctorID varchar(15) NULL,
    DoctorName varchar(150) NULL,
    ARCode varchar(20) NULL,
    PackageID varchar(20) NULL,
    SupervisorID varchar(20) NULL,
    Remarks varchar(500) NULL,
    UserID varchar(20) NULL,
    PRIMARY KEY (BillID)
)
GO
CREATE INDEX IX_tbBillOPDailyOut_RefNum ON BILLING..tbBillOPDailyOut (RefNum, ItemID)
GO
CREATE INDEX IX_tbBillOPDailyOut_IDNum ON BILLING..tbBillOPDailyOut (IDNum, TransDate)
GO
CREATE INDEX IX_tbBillOPDailyOut_TransDate ON BILLING..tbBillOPDailyOut (TransDate)
GO

-- Cash assessments: charges to be paid at the cashier. RefNum is the assessment number.
-- RecordStatus '' pending, 'G' given (paid and processed), 'R' revoked.
CREATE TABLE BILLING..tbCashAssessment (
    AssessmentID int IDENTITY(1,1) NOT NULL,
    RefNum varchar(20) NULL,
    IdNum varchar(15) NULL,
    HospNum varchar(15) NULL,
    PatientName varchar(150) NULL,
    RevenueID varchar(10) NULL,
    ItemID varchar(20) NULL,
    Description varchar(255) NULL,
    Quantity float NULL DEFAULT 0,
    UnitPrice money NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    IsStat varchar(1) NULL,
    OxygenFlag varchar(1) NULL,
    PackageID varchar(20) NULL,
    DoctorID varchar(15) NULL,
    DoctorName varchar(150) NULL,
    StationID varchar(10) NULL,
    RecordStatus varchar(1) NULL DEFAULT '',
    ORNumber varchar(20) NULL,
    PaidDate datetime NULL,
    RevokeBy varchar(20) NULL,
    RevokeDate datetime NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (AssessmentID)
)
GO
CREATE INDEX IX_tbCashAssessment_RefNum ON BILLING..tbCashAssessment (RefNum, ItemID)
GO
CREATE INDEX IX_tbCashAssessment_IdNum ON BILLING..tbCashAssessment (IdNum)
GO

-- Bill adjustment trail, written through sp_Nurse_Append_tbBillAdjustInfo.
CREATE TABLE BILLING..tbBillAdjustInfo (
    AdjustID int IDENTITY(1,1) NOT NULL,
    IdNum varchar(15) NULL,
    RevenueID varchar(10) NULL,
    ItemID varchar(20) NULL,
    Amount money NULL DEFAULT 0,
    Quantity float NULL DEFAULT 0,
    Refnum varchar(20) NULL,
    Remarks varchar(1000) NULL,
    SupervisorID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (AdjustID)
)
GO
CREATE INDEX IX_tbBillAdjustInfo_Refnum ON BILLING..tbBillAdjustInfo (Refnum)
GO
CREATE INDEX IX_tbBillAdjustInfo_IdNum ON BILLING..tbBillAdjustInfo (IdNum)
GO

-- Cash credit-memo number counter: a single keyless row.
CREATE TABLE BILLING..tbAssessmentNum (
    CMAdvisenum int NULL DEFAULT 1
)
GO

-- Cash credit-memo advices (refunds of paid, unrendered assessments), spCash_SaveCMAdvise.
CREATE TABLE BILLING..tbCashCMAdvise (
    CMAdviseID int IDENTITY(1,1) NOT NULL,
    CMAdviseNum varchar(20) NULL,
    RevenueID varchar(10) NULL,
    IdNum varchar(15) NULL,
    RefNum varchar(20) NULL,
    ItemID varchar(20) NULL,
    Description varchar(255) NULL,
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    ORNumber varchar(20) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (CMAdviseID)
)
GO
CREATE INDEX IX_tbCashCMAdvise_CMAdviseNum ON BILLING..tbCashCMAdvise (CMAdviseNum)
GO
CREATE INDEX IX_tbCashCMAdvise_IdNum ON BILLING..tbCashCMAdvise (IdNum)
GO


-- ===========================================================================
-- DATABASE MEDICARE
-- ===========================================================================

-- National health insurance codes; Status 1 active.
CREATE TABLE MEDICARE..tbAdmPHICTable (
    PHICCode varchar(20) NOT NULL,
    PHICDescription varchar(255) NULL,
    Status bit NULL DEFAULT 1,
    PRIMARY KEY (PHICCode)
)
GO
CREATE INDEX IX_tbAdmPHICTable_Description ON MEDICARE..tbAdmPHICTable (PHICDescription)
GO

-- Relative-value scale: Unit = RUV points.
CREATE TABLE MEDICARE..tbmedrvs (
    node_key varchar(20) NOT NULL,
    description varchar(500) NULL,
    Unit decimal(10,2) NULL DEFAULT 0,
    PRIMARY KEY (node_key)
)
GO

-- Case-rate packages. Percentages default to 100 when NULL.
CREATE TABLE MEDICARE..tbmedpackage (
    packageid varchar(20) NOT NULL,
    Package varchar(255) NULL,
    Amount money NULL DEFAULT 0,
    PF money NULL DEFAULT 0,
    HCIPercentage decimal(6,2) NULL,
    PFPercentage decimal(6,2) NULL,
    caseratepercentage decimal(6,2) NULL,
    isAllowSecondCR bit NULL DEFAULT 0,
    PRIMARY KEY (packageid)
)
GO

CREATE TABLE MEDICARE..tbMed_MedicalCaseRates (
    ICDCode varchar(20) NOT NULL,
    PackageID varchar(20) NULL,
    Description varchar(500) NULL,
    PRIMARY KEY (ICDCode)
)
GO

CREATE TABLE MEDICARE..tbmed_procedures (
    rvscode varchar(20) NOT NULL,
    PackageID varchar(20) NULL,
    Description varchar(500) NULL,
    PRIMARY KEY (rvscode)
)
GO

-- Insurance benefits already computed by Billing for an admission.
CREATE TABLE MEDICARE..TBMEDACTUAL (
    ActualID int IDENTITY(1,1) NOT NULL,
    IDNUM varchar(15) NOT NULL,
    CaseType varchar(2) NULL,
    PackageID varchar(20) NULL,
    HospitalFee money NULL DEFAULT 0,
    ProfessionalFee money NULL DEFAULT 0,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (ActualID)
)
GO
CREATE INDEX IX_TBMEDACTUAL_IDNUM ON MEDICARE..TBMEDACTUAL (IDNUM)
GO


-- ===========================================================================
-- DATABASE LABORATORY
-- ===========================================================================

-- Laboratory request form rows of a user, emptied by Lab_CleanUp_tbLabRequestForm
-- and filled by Lab_SaveRequestForm before the form is printed.
CREATE TABLE LABORATORY..tbLabRequestForm (
    FormID int IDENTITY(1,1) NOT NULL,
    Origin varchar(5) NULL,
    UserID varchar(20) NULL,
    IdNum varchar(15) NULL,
    AccountNum varchar(20) NULL,
    SectionID varchar(10) NULL,
    ExamID varchar(20) NULL,
    ExamName varchar(150) NULL,
    SpecimenID varchar(10) NULL,
    Stat varchar(1) NULL,
    RequestNum varchar(20) NULL,
    RequestDate datetime NULL,
    Transplant varchar(20) NULL,
    Dialysis varchar(20) NULL,
    ProcessTime datetime NULL,
    PRIMARY KEY (FormID)
)
GO
CREATE INDEX IX_tbLabRequestForm_UserID ON LABORATORY..tbLabRequestForm (UserID, IdNum)
GO


-- ===========================================================================
-- DATABASE RADIOLOGY
-- ===========================================================================

-- Per-user print table of an imaging result, filled by SPRADIO_ResultPrint.
CREATE TABLE RADIOLOGY..tbRadioResult (
    ResultID int IDENTITY(1,1) NOT NULL,
    UserID varchar(20) NULL,
    AdmNum varchar(15) NULL,
    XrayNum varchar(20) NULL,
    ResultDate datetime NULL,
    Interpretation text NULL,
    TelNum varchar(50) NULL,
    ControlNum varchar(20) NULL,
    RadCode varchar(15) NULL,
    Radiologist2 varchar(15) NULL,
    Radiologist3 varchar(15) NULL,
    Radiologist4 varchar(15) NULL,
    Remarks varchar(1000) NULL,
    PRIMARY KEY (ResultID)
)
GO
CREATE INDEX IX_tbRadioResult_UserID ON RADIOLOGY..tbRadioResult (UserID, AdmNum)
GO


-- ===========================================================================
-- DATABASE PASSWORD
-- ===========================================================================

-- Employees of the hospital and their log-in. Password holds the scrambled text;
-- DoctorID is '' / NULL for non-doctors.
CREATE TABLE PASSWORD..tbpasswordmain (
    EmployeeID varchar(20) NOT NULL,
    lastname varchar(50) NULL,
    firstname varchar(50) NULL,
    middlename varchar(50) NULL,
    Initial varchar(10) NULL,
    Position varchar(50) NULL,
    Password varchar(100) NULL,
    DoctorID varchar(15) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (EmployeeID)
)
GO
CREATE INDEX IX_tbpasswordmain_Name ON PASSWORD..tbpasswordmain (lastname, firstname)
GO

-- Users and the departments they may work in ("29" is the operating room).
CREATE TABLE PASSWORD..tbPasswordMaster (
    EmployeeID varchar(20) NOT NULL,
    DepartmentID varchar(10) NOT NULL,
    Status char(1) NULL DEFAULT 'A',
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (EmployeeID, DepartmentID)
)
GO


-- ===========================================================================
-- DATABASE CAPD
-- ===========================================================================

-- Dialysis-ware items; TransType 'ZPACKAGE AND CASERATE' marks package and case-rate items.
CREATE TABLE CAPD..tbcapdware_Invent (
    InventID int IDENTITY(1,1) NOT NULL,
    TransType varchar(50) NULL,
    ItemID varchar(20) NULL,
    Description varchar(150) NULL,
    Quantity float NULL DEFAULT 0,
    Amount money NULL DEFAULT 0,
    PRIMARY KEY (InventID)
)
GO
CREATE INDEX IX_tbcapdware_Invent_Item ON CAPD..tbcapdware_Invent (TransType, ItemID)
GO


-- ===========================================================================
-- DATABASE DOCTORS
-- ===========================================================================

-- Doctors' consultations of an admission.
CREATE TABLE DOCTORS..Consultation (
    ConsultationID int IDENTITY(1,1) NOT NULL,
    IDNum varchar(15) NULL,
    DoctorID varchar(15) NULL,
    Complaint varchar(1000) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (ConsultationID)
)
GO
CREATE INDEX IX_Consultation_IDNum ON DOCTORS..Consultation (IDNum)
GO
