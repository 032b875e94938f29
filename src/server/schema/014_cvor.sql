-- The build file's change log: who created or edited a code of the build
-- file, from which area of the hospital, and when. The operating room writes
-- here when it creates or edits one of its procedures.
CREATE TABLE BUILD_FILE..tbBuildLogUserUpdate (
    LogID int IDENTITY(1,1) NOT NULL,
    LogText varchar(1000) NULL,
    Module varchar(10) NULL,
    UserID varchar(20) NULL,
    HostName varchar(50) NULL,
    TransDate datetime NULL DEFAULT GETDATE(),
    PRIMARY KEY (LogID)
)
GO
CREATE INDEX IX_tbBuildLogUserUpdate_TransDate ON BUILD_FILE..tbBuildLogUserUpdate (TransDate)
GO
