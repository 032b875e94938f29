-- The operating-room station lists read which patients a station has sent
-- requests for; the index answers that without reading the requests themselves.
CREATE INDEX IX_tbNurseCommunicationFile_StationPatient ON STATION..tbNurseCommunicationFile (StationID, IDNum)
GO
