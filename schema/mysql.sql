-- The base tables of Staymark on a MariaDB or MySQL server.
-- An administrator loads this file once into the hotel's database, for example:
--   mariadb --default-character-set=utf8mb4 staymark < mysql.sql
-- The program never creates, alters or seeds these tables. Text compares without regard
-- to case, as in the Access file; tables the program creates later take the same collation.

ALTER DATABASE CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;

CREATE TABLE tbl_customers (
    ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    cTitle VARCHAR(255),
    cFirstName VARCHAR(255),
    cLastName VARCHAR(255),
    cAddress TEXT,
    cPhone VARCHAR(255),
    cNoOfAdults INT,
    cNoOfMinors INT,
    cCheckInDate DATE,
    cCheckOutDate DATE,
    cNoOfDays INT,
    cRoomsRate DECIMAL(19,4),
    cTax DECIMAL(19,4),
    cGrandTotal DECIMAL(19,4),
    cAdvancePaid DECIMAL(19,4),
    cDue DECIMAL(19,4),
    cPaymentMethod VARCHAR(255),
    cPaymentMethodDetails TEXT,
    cRoomNameID TEXT,
    cRoomNamePrice TEXT,
    cAdditionalNote TEXT,
    cUniqueNo VARCHAR(8),
    cStatus VARCHAR(255),
    INDEX (cUniqueNo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Removed bookings, copied whole (their ID included) before the removal.
CREATE TABLE tbl_customers_history (
    ID INT NOT NULL,
    cTitle VARCHAR(255),
    cFirstName VARCHAR(255),
    cLastName VARCHAR(255),
    cAddress TEXT,
    cPhone VARCHAR(255),
    cNoOfAdults INT,
    cNoOfMinors INT,
    cCheckInDate DATE,
    cCheckOutDate DATE,
    cNoOfDays INT,
    cRoomsRate DECIMAL(19,4),
    cTax DECIMAL(19,4),
    cGrandTotal DECIMAL(19,4),
    cAdvancePaid DECIMAL(19,4),
    cDue DECIMAL(19,4),
    cPaymentMethod VARCHAR(255),
    cPaymentMethodDetails TEXT,
    cRoomNameID TEXT,
    cRoomNamePrice TEXT,
    cAdditionalNote TEXT,
    cUniqueNo VARCHAR(8),
    cStatus VARCHAR(255),
    INDEX (ID)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- One row per day at most.
CREATE TABLE tbl_revenueStats (
    tDate DATE NOT NULL DEFAULT (CURRENT_DATE),
    tRevenue DECIMAL(19,4) NOT NULL DEFAULT 0,
    tBookingRevenue DECIMAL(19,4) NOT NULL DEFAULT 0,
    tFoodDrinkRevenue DECIMAL(19,4) NOT NULL DEFAULT 0,
    tBookings INT NOT NULL DEFAULT 0,
    tFoodOrders INT NOT NULL DEFAULT 0,
    UNIQUE (tDate)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE tbl_logTable (
    ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    LogText TEXT,
    LoggedUser VARCHAR(255),
    LogKey VARCHAR(255),
    LogDateLine DATETIME DEFAULT CURRENT_TIMESTAMP
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE tbl_Rooms (
    RoomID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    RoomNameID VARCHAR(255),
    Description TEXT,
    RoomType VARCHAR(255),
    RoomPrice DECIMAL(19,4)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE tbl_Tax (
    ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    TaxName VARCHAR(255),
    TaxRate DOUBLE,
    TaxCat INT
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE tbl_users (
    ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    cusername VARCHAR(255),
    cpassword VARCHAR(255),
    cmodifysettings INT DEFAULT 0,
    croomlist INT DEFAULT 0,
    cmodifytax INT DEFAULT 0,
    canViewReport INT DEFAULT 0,
    ccustomerviewedit INT DEFAULT 0,
    cusertype INT DEFAULT 0
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE tbl_foodCat (
    ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    catName VARCHAR(255)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE tbl_FoodItem (
    ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    ItemName VARCHAR(255),
    ItemPrice DECIMAL(19,4),
    ItemNote TEXT,
    ItemCat INT
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE tbl_HotelInfo (
    ID INT NOT NULL PRIMARY KEY,
    HotelName VARCHAR(255),
    HotelPhoneNo VARCHAR(255),
    HotelFaxNo VARCHAR(255),
    HotelAddress TEXT,
    AddOrderSign INT DEFAULT 0
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
INSERT INTO tbl_HotelInfo (ID, HotelName, HotelPhoneNo, HotelFaxNo, HotelAddress, AddOrderSign)
    VALUES (1, '', '', '', '', 0);

CREATE TABLE tbl_FoodOrders (
    ID INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    OrderNo VARCHAR(255),
    FoodOrderID VARCHAR(255),
    CustomerTitle VARCHAR(255),
    CustomerFName VARCHAR(255),
    CustomreLName VARCHAR(255),
    TotalPrice DECIMAL(19,4),
    Status VARCHAR(255),
    Dateline DATE DEFAULT (CURRENT_DATE)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
