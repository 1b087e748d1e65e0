package brivel.c2jmodeltest;

public class Failure extends Exception {
}
