-- What a sent ancillary request carries beyond the item: the laboratory's
-- transplant and dialysis classes, the requested schedule, the charge slip the
-- department charged it under and the cash-basis bypass of a STAT request.

ALTER TABLE STATION..tbNurseCommunicationFile ADD TransplantID varchar(1) NULL
GO
ALTER TABLE STATION..tbNurseCommunicationFile ADD DialysisID varchar(1) NULL
GO
ALTER TABLE STATION..tbNurseCommunicationFile ADD SchedDate datetime NULL
GO
ALTER TABLE STATION..tbNurseCommunicationFile ADD ChargeSlip varchar(20) NULL
GO
ALTER TABLE STATION..tbNurseCommunicationFile ADD ChargeDate datetime NULL
GO
ALTER TABLE STATION..tbNurseCommunicationFile ADD Portable bit NULL DEFAULT 0
GO
ALTER TABLE STATION..tbNurseCommunicationFile ADD PhysiatristID varchar(15) NULL
GO
ALTER TABLE STATION..tbNurseCommunicationFile ADD ByPassCashBasis bit NULL DEFAULT 0
GO
ALTER TABLE STATION..tbNurse_DepartmentCharging ADD ReferenceNum varchar(20) NULL
GO
ALTER TABLE STATION..tbNurse_DepartmentCharging ADD StationID varchar(10) NULL
GO
ALTER TABLE STATION..tbNurse_DepartmentCharging ADD PatientType char(1) NULL
GO
ALTER TABLE STATION..tbNurse_StatRequest ADD TransplantID varchar(1) NULL
GO
ALTER TABLE STATION..tbNurse_StatRequest ADD DialysisID varchar(1) NULL
GO
CREATE INDEX IX_tbNurseCommunicationFile_PrintGroup ON STATION..tbNurseCommunicationFile (PRINTGROUP)
GO

-- The laboratory's classes of a patient (transplant, dialysis), kept per stay
-- by sp_Nurse_Update_OtherInfo.
CREATE TABLE STATION..tbNursePatientOtherInfo (
    IdNum varchar(15) NOT NULL,
    TransplantID varchar(1) NULL,
    DialysisID varchar(1) NULL,
    UserID varchar(20) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (IdNum)
)
GO

-- Print groups of the laboratory request forms: one number per printed form.
CREATE TABLE STATION..tbNurseLabPrintGroup (
    PrintGroup int NULL DEFAULT 1
)
GO
INSERT INTO STATION..tbNurseLabPrintGroup (PrintGroup) VALUES (1)
GO
