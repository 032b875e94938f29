-- The code tables behind the code search's look-ups that the first schema
-- did not have.

-- Clinical services a visit is seen under (the out-patient record's Service1..5).
CREATE TABLE BUILD_FILE..tbCoService (
    ServiceID varchar(10) NOT NULL,
    Service varchar(100) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (ServiceID)
)
GO
CREATE INDEX IX_tbCoService_Service ON BUILD_FILE..tbCoService (Service)
GO

INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('SUR', 'SURGERY')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('OBG', 'OBSTETRICS AND GYNECOLOGY')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('ORT', 'ORTHOPEDICS')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('ENT', 'OTORHINOLARYNGOLOGY')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('OPH', 'OPHTHALMOLOGY')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('URO', 'UROLOGY')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('NSU', 'NEUROSURGERY')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('TCV', 'THORACIC AND CARDIOVASCULAR SURGERY')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('MED', 'INTERNAL MEDICINE')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('PED', 'PEDIATRICS')
INSERT INTO BUILD_FILE..tbCoService (ServiceID, Service) VALUES ('ANE', 'ANESTHESIOLOGY')
GO

-- Doctors who hold privileges at the hospital (1) rather than visiting ones (0);
-- a site may restrict doctor look-ups to them. NULL counts as affiliated.
ALTER TABLE BUILD_FILE..tbCoDoctor ADD Affiliated bit NULL DEFAULT 1
GO
