-- What the out-patient operation record leaves behind besides the visit's own
-- rows: the ER profile log, one row per change of the visit's standing that
-- the emergency room must be able to trace (a withdrawn admission request).
CREATE TABLE PATIENT_DATA..tbERProfileLog (
    LogID int IDENTITY(1,1) NOT NULL,
    HospNum varchar(15) NOT NULL,
    IDNum varchar(15) NOT NULL,
    Activity varchar(100) NULL,
    UserID varchar(20) NULL,
    ActivityDate datetime NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (LogID)
)
GO
CREATE INDEX IX_tbERProfileLog_IDNum ON PATIENT_DATA..tbERProfileLog (IDNum)
GO
