-- Released results of the imaging sections and of the physical-therapy,
-- pulmonary and neurology departments, as the chart reads them. A result
-- stays 'P' (pending) until the department releases it ('R'); only released
-- results reach the wards.

-- One imaging examination and its reading: x-ray 'XR', ultrasound 'US',
-- CT scan 'CT', magnetic resonance 'MR', centre for women 'WC' and nuclear
-- medicine 'NU'. TransNum is the department's examination number.
CREATE TABLE RADIOLOGY..tbImagingResult (
    TransNum varchar(20) NOT NULL,
    SectionID varchar(5) NOT NULL,
    RequestNum varchar(20) NULL,
    IdNum varchar(15) NOT NULL,
    HospNum varchar(15) NULL,
    ExamID varchar(20) NULL,
    ExamName varchar(150) NULL,
    TransDate datetime NULL,
    ResultDate datetime NULL,
    RadiologistID varchar(15) NULL,
    Radiologist2 varchar(15) NULL,
    Radiologist3 varchar(15) NULL,
    Radiologist4 varchar(15) NULL,
    Interpretation text NULL,
    TelNum varchar(50) NULL,
    ControlNum varchar(20) NULL,
    FileNum varchar(20) NULL,
    Remarks varchar(1000) NULL,
    Status char(1) NULL DEFAULT 'R',
    PRIMARY KEY (TransNum)
)
GO
CREATE INDEX IX_tbImagingResult_IdNum ON RADIOLOGY..tbImagingResult (IdNum, SectionID)
GO

-- The print table names the section the reading was printed for.
ALTER TABLE RADIOLOGY..tbRadioResult ADD SectionID varchar(5) NULL
GO

-- Results of the departments whose forms are not imaging readings: physical
-- therapy 'PT' (evaluation and endorsement), pulmonary 'PU' (FormType 'ABG'
-- blood gas or 'SPIRO' spirometry) and neurology 'NE' (FormType 'EEG' or
-- 'EMG' nerve conduction and electromyography).
CREATE TABLE STATION..tbAncillaryResult (
    TransNum varchar(20) NOT NULL,
    DepartmentID varchar(5) NOT NULL,
    FormType varchar(10) NULL,
    RequestNum varchar(20) NULL,
    ChargeSlip varchar(20) NULL,
    IdNum varchar(15) NOT NULL,
    HospNum varchar(15) NULL,
    ExamID varchar(20) NULL,
    ExamName varchar(150) NULL,
    SectionName varchar(50) NULL,
    FileNumber varchar(20) NULL,
    TransDate datetime NULL,
    ResultDate datetime NULL,
    DoctorID varchar(15) NULL,
    Result text NULL,
    InitialEvaluation text NULL,
    Endorsement text NULL,
    Status char(1) NULL DEFAULT 'R',
    PRIMARY KEY (TransNum)
)
GO
CREATE INDEX IX_tbAncillaryResult_IdNum ON STATION..tbAncillaryResult (IdNum, DepartmentID)
GO

-- The measured values of a blood-gas analysis.
CREATE TABLE STATION..tbPulmoABG (
    TransNum varchar(20) NOT NULL,
    FiO2 varchar(10) NULL,
    pH decimal(5,3) NULL,
    pCO2 decimal(6,1) NULL,
    pO2 decimal(6,1) NULL,
    HCO3 decimal(6,1) NULL,
    BaseExcess decimal(6,1) NULL,
    O2Sat decimal(5,1) NULL,
    Hemoglobin decimal(5,1) NULL,
    PRIMARY KEY (TransNum)
)
GO

-- The lines of a nerve-conduction ('NCV') or needle-electromyography ('EMG') study.
CREATE TABLE STATION..tbNeuroStudyData (
    TransNum varchar(20) NOT NULL,
    DataType varchar(5) NOT NULL,
    LineNo int NOT NULL,
    Site varchar(60) NULL,
    Side varchar(5) NULL,
    Latency varchar(10) NULL,
    Amplitude varchar(10) NULL,
    Velocity varchar(10) NULL,
    Finding varchar(100) NULL,
    PRIMARY KEY (TransNum, DataType, LineNo)
)
GO
