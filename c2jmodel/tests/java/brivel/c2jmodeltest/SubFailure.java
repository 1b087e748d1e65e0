package brivel.c2jmodeltest;

public class SubFailure extends Failure {
}
