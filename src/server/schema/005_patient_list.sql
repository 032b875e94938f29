-- The station patient lists: which operating-room station a room belongs to,
-- and the look-up of the visits still open.

-- The operating-room station (BUILD_FILE..TBCOSTATION, department '17') a
-- room is run by. A room given to no station belongs to the main operating
-- room ('OR1').
ALTER TABLE SCHEDULE..tbORRoom ADD ORStationID varchar(10) NULL
GO

-- The lists show the visits not yet closed: found by their discharge date.
CREATE INDEX IX_tbOutPatient_DCRDATE ON PATIENT_DATA..tbOutPatient (DCRDATE)
GO
