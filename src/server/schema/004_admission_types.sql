-- Kinds of admission (regular, emergency, elective surgery...), as the
-- admitting section records them on the admission (tbPatient2.AdmissiontypeID)
-- and the station looks them up by code or name. Status 'A' = in use.
CREATE TABLE BUILD_FILE..tbCoAdmissionType (
    AdmissionTypeID varchar(5) NOT NULL,
    AdmissionType varchar(100) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (AdmissionTypeID)
)
GO
CREATE INDEX IX_tbCoAdmissionType_Name ON BUILD_FILE..tbCoAdmissionType (AdmissionType)
GO
